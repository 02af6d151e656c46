#!/usr/bin/python3
"""The real quorvel on a real X11 desktop. Each row of SCENARIOS gets a fresh Xvfb, openbox and
program, is typed with XTest input (xdotool) and checked by what AT-SPI reports: the names of what
shows, the focus, the focused box's text. Checks wait for their condition (10 s at most).
    desktop.py QUORVEL              (QUORVEL_ROWS=REGEX runs the rows so named only)"""
import collections, os, re, subprocess, sys, time

if os.environ.get("QUORVEL_DESKTOP_BUS") != "own":  # an AT-SPI bus of our own
    os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv, dict(
        os.environ, QUORVEL_DESKTOP_BUS="own", QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
import pyatspi

XVFB = ["Xvfb", "-nolisten", "tcp", "-screen", "0"]  # and the screen's size, 1280x800x24 unless a row says
PIPE = [("k", "alt+p"), ("t", "10"), ("k", "Tab"), ("t", "100"), ("k", "Tab"), ("t", "0.1"), ("k", "Tab")]  # Q, L, D
FLOW = [("k", "alt+f"), ("k", "Tab"), ("focus", "Small.orifices$")]
NOTCH = FLOW + [("k", "Tab"), ("k", "KP_Enter"), ("focus", "Rectangular.notch$")]
E400 = [("k", "ctrl+a"), ("t", "e400"), ("k", "Home"), ("t", "1"), ("text", "1e400")]  # e400 reads 0, 1e400 infinity
SCENARIOS = [  # name, environment, steps: (verb, argument[, times]), see step()
    ("the roughness box holds exactly what is typed", {}, PIPE + [("t", "0"), ("text", "0"),
     ("gone", "metres.per.second$"), ("k", "BackSpace"), ("t", "1"),
     ("k", "Tab"), ("see", "3.17"), ("k", "shift+Tab"), ("k", "ctrl+a"), ("t", "0,03"), ("k", "Return"),
     ("text", "0,03"), ("see", "3.17"), ("labelled", "^Pipe.roughness,.millimetres$")]),
    ("a passing wheel changes nothing; results under the flow page do not show", {}, PIPE + [("t", "0.5"),
     ("see", "1.27"), ("see", "2.57"), ("k", "shift+Tab", 2), ("wheel",), ("k", "Tab"), ("text", "0.1"),
     ("see", "2.57"), ("k", "Tab"), ("text", "0.5"), ("k", "alt+f"), ("focus", "Flow.measurement$"), ("gone", "2.57"),
     ("gone", "^Output$"), ("k", "alt+p"), ("see", "2.57")]),
    ("8 characters in a pipe box", {}, [("k", "alt+p"), ("t", "123456789"), ("text", "12345678")]),
    ("the date's separator under an Arabic locale", {"LANG": "ar_EG.UTF-8", "LC_ALL": "ar_EG.UTF-8"},
     [("see", r"\d\d/\d\d/\d{4}.\d\d:\d\d$")]),
    ("orifice by keyboard: Enter opens it, the focus goes in, covered buttons are passed by", {}, FLOW +
     [("k", "Return"), ("focus", "^text"), ("t", "0.1"), ("k", "Tab"), ("t", "2"), ("see", "0.031"),
     ("checked", "^Sharp-edged$"), ("selected", "^Sharp-edged$"), ("k", "Tab", 7), ("focus", "Rounded$"),
     ("k", "Return"), ("see", "0.048"), ("checked", "^Rounded$"), ("selected", "^Rounded$"), ("k", "Tab", 3),
     ("focus", "Head.above"), ("gone", "^Small.orifices$"), ("gone", "^Notches.and.weirs$"), ("tabs", "10"),
     ("k", "ctrl+a"), ("t", "9999999999999999999999999999999999999999"),
     ("text", "99999999999999999999999999999999")]),
    ("sub-page Close leaves the focus on its opener; stray and held keys press nothing more", {}, FLOW +
     [("k", "space"), ("focus", "^text"), ("k", "Tab", 4), ("focus", "Close$"), ("k", "KP_Enter"),
     ("focus", "Small.orifices$"), ("gone", "open.tank$"), ("k", "space"), ("focus", "^text"), ("k", "Tab", 4),
     ("focus", "Close$"), ("hold", "space"), ("focus", "Small.orifices$"), ("k", "Tab"),
     ("focus", "Notches.and.weirs$"), ("gone", "open.tank$"), ("k", "alt+c"), ("ended",)]),
    ("rectangular notch; a head beyond the range keeps the boxes and the result", {}, NOTCH + [("k", "Return"),
     ("focus", "^text"), ("t", "0.2"), ("k", "shift+Tab"), ("t", "1.0"), ("see", "0.165"),
     ("selected", "^Contractions"), ("gone", "^Small.orifices$"), ("k", "Tab")] + E400 + [("see", "0.165"),
     ("k", "shift+Tab"), ("text", "1.0"), ("k", "Tab", 7), ("focus", "Close$"), ("k", "Return"),
     ("focus", "Notches.and.weirs$")]),
    ("the calculator window cannot be closed alone; closing the parent ends the program", {}, PIPE + [("t", "0.5"),
     ("see", "2.57"), ("k", "ctrl+F4"), ("see", "2.57"), ("k", "ctrl+w"), ("see", "2.57"), ("k", "alt+F4"),
     ("ended",)]),
    ("a figure can be copied; the colours hold on a dark desktop",
     {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}, PIPE + [("t", "0.5"), ("see", "2.57"),
     ("copy", "2.57"), ("clip", r"^2.57\s+m$"), ("contrast", "^Output$"), ("contrast", "^Pipe.velocity:$"),
     ("contrast", "^2.57"), ("contrast", "^Pipe.roughness"), ("k", "alt+f"), ("contrast", "^Flow.measurement$"),
     ("contrast", "^Small.orifices$")]),
    ("the pipe calculation copied with Ctrl+Shift+C, as a table; F1 shows the manual, Escape closes it", {},
     PIPE + [("t", "0.5"), ("see", "2.57"), ("k", "ctrl+shift+c"),
     ("clip", r"<td[^>]*>Headloss due to friction</td><td[^>]*>2\.57</td><td[^>]*>m</td>", "text/html"),
     ("clip", r"\nQuorvel 1\.1\.0, \d{4}-\d\d-\d\d \d\d:\d\d\n$"), ("unselected", "Quorvel"), ("k", "F1"),
     ("see", "^Quorvel 1.1.0 manual"), ("k", "Escape"), ("text", "0.5"), ("gone", "manual")]),
    ("every control of the orifice page can be reached at 1366 x 768, scale 1.5",
     {"QT_SCALE_FACTOR": "1.5", "SCREEN": "1366x768x24"}, [("k", "alt+f"), ("see", "^Small.orifices$"), ("k", "Tab"),
     ("k", "Return"), ("see", "^Orifice.diameter"), ("reach", "^Drawing.of.the.four"),
     ("onscreen", "^Running.full$")]),
]

def wait(condition, what, timeout=10):
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # an object went away under us, or is not there yet: look again
            value = None
        if value or time.monotonic() > end:
            assert value, "timed out waiting for " + (what if isinstance(what, str) else what())
            return value
        time.sleep(0.05)

xdo = lambda *args: subprocess.run(["xdotool", *args], check=True, capture_output=True)  # noqa: E731
quiet = lambda *a, **kw: subprocess.Popen(a, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)  # noqa: E731

class Session:  # Xvfb on a display it finds free, openbox, and the program on AT-SPI
    procs = ()

    def start(self, binary, env):
        env = dict(env)
        screen = env.pop("SCREEN", "1280x800x24")
        self.scale = float(env.get("QT_SCALE_FACTOR", 1))
        read, write = os.pipe()
        self.procs = [quiet(*XVFB, screen, "-displayfd", str(write), pass_fds=[write])]
        os.close(write)
        with os.fdopen(read) as r:
            display = r.readline().strip()
        assert display, "Xvfb did not start"
        os.environ["DISPLAY"], ready = ":" + display, f"/tmp/quorvel-openbox-{display}"
        self.procs.append(quiet("openbox", "--startup", "touch " + ready))
        wait(lambda: os.path.exists(ready), "openbox")
        os.remove(ready)
        subprocess.run(["xset", "r", "off"], check=True)  # no stray repeats from a slow key release
        self.p = subprocess.Popen([binary], env=dict(os.environ, **env))
        self.procs.append(self.p)
        everyone = pyatspi.Registry.getDesktop(0)
        # (under the gtk3 platform theme GTK registers the process too, with no windows)
        self.app = wait(lambda: next(a for a in everyone if a and a.get_process_id() == self.p.pid and a.childCount),
                        "AT-SPI")
        wait(lambda: self.app[0].getState().contains(pyatspi.STATE_ACTIVE), "an active window")

    def close(self):  # asked to end, so that Xvfb removes its socket and lock in /tmp
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()

    def showing(self, node=None):  # what shows, leaving out the items of drop-down lists
        for child in node or self.app:
            # (the calculator window reads as off the screen to AT-SPI while the parent
            # scrolls it: its contents are checked all the same)
            state, role = child.getState(), child.getRole()
            if (state.contains(pyatspi.STATE_SHOWING) or role == pyatspi.ROLE_FRAME) and role != pyatspi.ROLE_LIST:
                yield child
                yield from self.showing(child)

    def focus(self):
        return [o for o in self.showing() if o.getState().contains(pyatspi.STATE_FOCUSED)
                and o.getRole() != pyatspi.ROLE_FRAME][-1]

    def fname(self):
        return f"{self.focus().getRoleName()}:{self.focus().name}"

    def text(self):  # of the focused control, None for one without text
        f = self.focus()
        return f.queryText().getText(0, -1) if "Text" in f.get_interfaces() else None

    def combo(self):
        return next(o for o in self.showing() if o.getRole() == pyatspi.ROLE_COMBO_BOX)

Box = collections.namedtuple("Box", "x y width height")

def where(pattern, q):  # where the showing object so named shows, clipped by its container
    o = next(o for o in q.showing() if re.search(pattern, o.name))
    e, p = (x.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for x in (o, o.parent))
    x, y = max(e.x, p.x), max(e.y, p.y)
    return Box(x, y, min(e.x + e.width, p.x + p.width) - x, min(e.y + e.height, p.y + p.height) - y)

def on_screen(e, q):  # AT-SPI gives Qt's logical pixels: the screen's, divided by the scale
    width, height = (int(n) / q.scale for n in xdo("getdisplaygeometry").stdout.split())
    return e.width > 0 and e.height > 0 and e.x >= 0 and e.y >= 0 and e.x + e.width <= width and e.y + e.height <= height

def luminance(rgb):  # relative luminance of an sRGB colour
    c = [v / 255 for v in rgb]
    c = [v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]

def contrast(e):  # of the text in a rectangle of the screen: its commonest colour against the one farthest from it
    ppm = subprocess.run(["import", "-window", "root", "-crop", f"{e.width}x{e.height}+{e.x}+{e.y}", "ppm:-"],
                         check=True, capture_output=True).stdout
    fields = ppm.split(maxsplit=4)
    w, h, data = int(fields[1]), int(fields[2]), fields[4]
    pixels = [tuple(data[i:i + 3]) for i in range(0, 3 * w * h, 3)]
    bg = luminance(collections.Counter(pixels).most_common(1)[0][0]) + 0.05
    return max(max(bg, luminance(p) + 0.05) / min(bg, luminance(p) + 0.05) for p in set(pixels))

def found(pattern, q):  # a plain figure must stand alone: 2.57 is not in 12.578
    pattern = pattern if re.search(r"[\\^$]", pattern) else r"(?<![\d.])" + re.escape(pattern) + r"(?![\d])"
    return any(re.search(pattern, o.name) for o in q.showing())

def step(q, verb, arg=None, times=1):
    if verb in ("k", "t"):  # keys as xdotool names them, pressed `times` times; text typed key by key
        xdo("key", "--delay", "20", "--repeat", str(times), arg) if verb == "k" else xdo("type", "--delay", "20", arg)
    elif verb == "see":
        wait(lambda: found(arg, q), "something showing " + arg)
    elif verb == "gone":  # right after a step that waited for the keystroke before it
        assert not found(arg, q), arg + " is showing"
    elif verb == "focus":
        wait(lambda: re.search(arg, q.fname()), lambda: f"the focus on {arg} (it is on {q.fname()})")
    elif verb == "text":
        wait(lambda: q.text() == arg, lambda: f"the focused box to read {arg!r} ({q.fname()} reads {q.text()!r})")
    elif verb in ("checked", "selected"):  # the one showing control so marked
        state = getattr(pyatspi, "STATE_" + verb.upper())
        marked = lambda: [o.name for o in q.showing() if o.getState().contains(state)]  # noqa: E731
        wait(lambda: len(marked()) == 1 and re.search(arg, marked()[0]), lambda: f"{arg} alone {verb} ({marked()})")
    elif verb == "labelled":  # the roughness box, which reads as its text, is labelled by its caption
        rel = [r for r in q.combo().getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        assert rel and re.search(arg, rel[0].getTarget(0).name), "the roughness box has no such label"
    elif verb == "wheel":  # two notches down over the roughness box, which has not the focus
        e = q.combo().queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdo("mousemove", str(e.x + e.width // 3), str(e.y + e.height // 2), "click", "--repeat", "2", "5")
    elif verb == "tabs":  # each Tab moves the focus, never onto a covered button
        for _ in range(int(arg)):
            before = q.focus()
            xdo("key", "Tab")
            wait(lambda: q.focus() != before, "Tab to move the focus")
            assert q.focus().name not in ("Small orifices", "Notches and weirs"), "Tab reached a covered button"
    elif verb == "hold":  # held well past the repeat delay: a burst of repeats
        subprocess.run(["xset", "r", "on", "r", "rate", "200", "30"], check=True)
        xdo("keydown", arg)
        time.sleep(0.5)  # the hold itself
        xdo("keyup", arg)
        subprocess.run(["xset", "r", "off"], check=True)
    elif verb == "copy":  # the context menu's Copy on a showing figure
        e = wait(lambda: where(arg, q), "something showing " + arg)
        xdo("mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "3")
        time.sleep(0.3)
        xdo("key", "c")
    elif verb in ("clip", "unselected"):  # what the clipboard holds (as `times`, a target), or X11's primary selection does not
        target = ["-t", times] if verb == "clip" and times != 1 else []
        read = lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard" if verb == "clip" else "primary", *target],  # noqa: E731
                                      capture_output=True, text=True).stdout
        if verb == "clip":
            wait(lambda: re.search(arg, read(), re.S), lambda: f"the clipboard to hold {arg} (it holds {read()!r})")
        else:
            assert arg not in read(), f"the primary selection holds {arg}"
    elif verb == "contrast":  # WCAG AA for text: 4.5:1 at least
        ratio = contrast(wait(lambda: where(arg, q), "something showing " + arg))
        assert ratio >= 4.5, f"{arg} has a contrast of {ratio:.2f}:1"
    elif verb == "onscreen":
        wait(lambda: on_screen(where(arg, q), q), lambda: f"{arg} wholly on the screen ({where(arg, q)})")
    elif verb == "reach":  # the wheel over the parent's area scrolls it until the object is wholly on the screen
        for _ in range(20):
            if on_screen(where(arg, q), q):
                break
            xdo("mousemove", "5", "400", "click", "5")
            time.sleep(0.1)
        assert on_screen(where(arg, q), q), f"{arg} cannot be scrolled onto the screen ({where(arg, q)})"
    elif verb == "ended":
        wait(lambda: q.p.poll() is not None, "the program to end")
    else:
        raise ValueError(verb)

failures = 0
for name, env, steps in [row for row in SCENARIOS if re.search(os.environ.get("QUORVEL_ROWS", ""), row[0])]:
    started, q, s = time.monotonic(), Session(), ("start",)
    try:
        q.start(sys.argv[1], env)
        for s in steps:
            assert s[0] == "ended" or q.p.poll() is None, "the program ended"
            step(q, *s)
        assert ("ended",) in steps or q.p.poll() is None, "the program ended"
        print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
    except Exception as e:
        failures += 1
        print(f"FAIL {name}: {e} (at step {s})")
    finally:
        q.close()
sys.exit(1 if failures else 0)
