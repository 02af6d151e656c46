// Runs a program that Qt for WebAssembly linked (a module factory, not a script
// that runs by itself) under Node, for CTest: its arguments, its output, its exit
// status. Run as: node --no-experimental-fetch run-node.js PROGRAM.js ARGS...
// (emscripten 3.1.6 would fetch its .wasm with Node's fetch, which takes no paths).
'use strict';
const path = require('path');
const [program, ...args] = process.argv.slice(2);
const create = require(path.resolve(program));
let ended = false;
const end = (status) => {
  if (ended) return;
  ended = true;
  process.exit(status);
};
create({
  arguments: args,
  print: (text) => process.stdout.write(text + '\n'),
  printErr: (text) => process.stderr.write(text + '\n'),
  quit: (status) => end(status),
  onExit: (status) => end(status),
  onAbort: (what) => { process.stderr.write('aborted: ' + what + '\n'); end(134); },
}).catch((error) => {
  process.stderr.write(String(error) + '\n');
  end(1);
});
