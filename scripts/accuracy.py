#!/usr/bin/python3
"""Sets the calculator's figures against independent references of the trade and
writes docs/accuracy.md and its plots in docs/accuracy/.

The figures come from the real number core: accuracy_driver (built by
scripts/accuracy) is fed every input line in one run and prints the core's
unrounded values and the texts the pages show. Everything the figures are
compared with is computed here, from the published equations, never from the
program's own constants. The random pipes come from a fixed seed: a second run
rewrites the report byte for byte, and the plots (written without time stamps or
version strings) up to a few anti-aliased pixels.

Usage: scripts/accuracy.py path/to/accuracy_driver [--check]
(scripts/accuracy does all). With --check the report and its plots go to a
temporary folder instead, and the run fails when the report differs from
docs/accuracy.md (the plots are not compared: their anti-aliasing varies by a
few pixels between runs).
"""

import difflib
import math
import os
import subprocess
import sys
import tempfile
from decimal import ROUND_HALF_UP, Decimal

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DOC = os.path.join(ROOT, "docs", "accuracy.md")
PLOTS = os.path.join(ROOT, "docs", "accuracy")

SEED = 15            # the random pipes
N_PIPES = 100_000    # pipes with Re > 4000 kept from the draw
G = 9.80665          # standard gravity, for the references
LN10 = math.log(10.0)

plt.rcParams.update({"font.size": 9, "axes.grid": True, "grid.alpha": 0.3})


# ---------------------------------------------------------------- the driver
def line(kind, *values):
    """One input line of the driver; each value written so that it reads back exactly."""
    return kind + "".join(" " + repr(float(x)) for x in values)


def run_driver(driver, lines):
    """One run of the driver over all lines; one list of fields per line."""
    text = "".join(line + "\n" for line in lines)
    out = subprocess.run([driver], input=text, capture_output=True, text=True, check=True).stdout
    rows = [row.split("\t") for row in out.split("\n")[:-1]]
    if len(rows) != len(lines):
        sys.exit("accuracy: the driver answered %d lines for %d" % (len(rows), len(lines)))
    return rows


def fmt(x):
    """Format(x, "#0.00") written independently: 15 significant digits first,
    then two decimals, halves away from zero."""
    return str(Decimal("%.15g" % x).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP))


# ---------------------------------------------------------------- references
def newton_darcy(re, g):
    """Darcy factor 1/x^2 from Newton on x = 1/sqrt f, starting at 8, where g(x)
    gives the equation's residual and its derivative; until the step stops
    shrinking (machine precision)."""
    x = np.full_like(re, 8.0)
    for _ in range(100):
        r, dr = g(x)
        step = r / dr
        x = x - step
        if np.all(np.abs(step) <= 4e-16 * np.abs(x)):
            break
    return 1 / (x * x)


def colebrook_newton(rel, re):
    """Darcy factor of 1/sqrt f = -2 log10(ks/(3.7 D) + 2.51/(Re sqrt f)),
    Newton on x = 1/sqrt f until the step stops shrinking (machine precision)."""
    a, b = rel / 3.7, 2.51 / re
    return newton_darcy(re, lambda x: (x + 2 * np.log10(a + b * x), 1 + 2 * b / ((a + b * x) * LN10)))


def lambert_w_log(big_l):
    """W(z) from its logarithm L = ln z, by Halley's iteration on w + ln w = L
    (z itself overflows a double for rough pipes at high Reynolds numbers)."""
    w = np.where(big_l > 1, big_l - np.log(np.maximum(big_l, 1.0)), np.exp(np.minimum(big_l, 1.0)) * 0.5 + 0.1)
    for _ in range(60):
        h = w + np.log(w) - big_l
        h1 = 1 + 1 / w
        h2 = -1 / (w * w)
        w_new = w - 2 * h * h1 / (2 * h1 * h1 - h * h2)
        w_new = np.where(w_new > 0, w_new, w / 2)
        if np.all(np.abs(w_new - w) <= 1e-16 * w):
            w = w_new
            break
        w = w_new
    return w


def colebrook_lambert(rel, re):
    """The same equation in closed form: with x = 1/sqrt f, c = 2/ln 10,
    a = ks/(3.7 D), b = 2.51/Re and y = a + b x, y/(b c) = W(e^(a/(b c)) / (b c))
    and x = -c ln y."""
    a, b, c = rel / 3.7, 2.51 / re, 2 / LN10
    bc = b * c
    w = lambert_w_log(a / bc - np.log(bc))
    x = -c * np.log(bc * w)
    return 1 / (x * x)


def form_114(rel, re):
    """The program's form 1/sqrt f = 1.14 - 2 log10(ks/D + 9.35/(Re sqrt f)),
    solved to machine precision by Newton: what F would give with no stopping rule."""
    def g(x):
        u = rel + 9.35 * x / re
        return x - 1.14 + 2 * np.log10(u), 1 + 2 * 9.35 / (re * u * LN10)
    return newton_darcy(re, g)


def water_mu(t_c):
    """Dynamic viscosity of water at 0.1 MPa, Pa s, 0-40 degrees C: Kestin, Sokolov
    and Wakeham (1978), J. Phys. Chem. Ref. Data 7, 941, the equation of ISO/TR 3666:
    log10(mu/mu20) = (20 - t)/(t + 96) (1.2364 - 1.37e-3 (20 - t) + 5.7e-6 (20 - t)^2),
    mu20 = 1.0016 mPa s."""
    t = np.asarray(t_c, dtype=float)
    d = 20 - t
    return 1.0016e-3 * 10 ** (d / (t + 96) * (1.2364 - 1.37e-3 * d + 5.7e-6 * d * d))


def water_nu(t_c):
    """Kinematic viscosity of water, m²/s: the viscosity above over the density of
    Tanaka et al. (2001), Metrologia 38, 301 (the CIPM formula)."""
    t = np.asarray(t_c, dtype=float)
    rho = 999.974950 * (1 - (t - 3.983035) ** 2 * (t + 301.797) / (522528.9 * (t + 69.34881)))
    return water_mu(t) / rho


# Viscosity of liquid water at 0.1 MPa, mPa s, as tabulated in the CRC Handbook of
# Chemistry and Physics: a check of the equation above at the temperatures used.
CRC_MU = {5: 1.5182, 10: 1.3059, 20: 1.0016, 30: 0.7972, 40: 0.6527}
TEMPERATURES = [5, 10, 20, 30, 40]


def kindsvater_shen(angle, h, ce, kh):
    """ISO 1438 / USBR Water Measurement Manual, fully contracted V-notch:
    Q = Ce (8/15) sqrt(2g) tan(theta/2) (h + kh)^2.5."""
    return ce * (8 / 15) * math.sqrt(2 * G) * np.tan(np.radians(angle) / 2) * (h + kh) ** 2.5


def ks_fit(angle):
    ce = 0.607165052 - 0.000874466963 * angle + 6.10393334e-6 * angle ** 2
    kh_ft = 0.0144902648 - 0.00033955535 * angle + 3.29819003e-6 * angle ** 2 - 1.06215442e-8 * angle ** 3
    return ce, kh_ft * 0.3048


def ks_coefficients(angle):
    """Ce and kh (m) of a fully contracted V-notch of any angle from 25 to 100
    degrees: the polynomial fit (LMNO Engineering) to the curves of Kulin and
    Compton (1975) reproduced in the USBR manual, figure 7-6 (kh fitted in feet).
    At 90 degrees the standard's own 0.578 and 0.85 mm are used."""
    return (0.578, 0.00085) if angle == 90 else ks_fit(angle)


FIT90 = (ks_fit(90)[0], ks_fit(90)[1] * 1000)


# Kindsvater-Carter rectangular notch (ISO 1438; Bos 1989, table 5.2; USBR manual,
# figures 7-4 and 7-5): Ce = a + c h/P and kb by the ratio b/B of notch to channel
# width; kh = 0.001 m.
KC_ROWS = {1.0: (0.602, 0.075, -0.0009), 0.2: (0.589, -0.0018, 0.0024)}


def kindsvater_carter(b, h, p, ratio):
    a, c, kb = KC_ROWS[ratio]
    ce = a + c * h / p
    return ce * (2 / 3) * math.sqrt(2 * G) * (b + kb) * (h + 0.001) ** 1.5


def cipolletti(b, h):
    """USBR Water Measurement Manual: Q = 1.859 b h^1.5 (SI; 3.367 in feet units)."""
    return 1.859 * b * h ** 1.5


# Textbook discharge coefficients of the four orifice kinds.
ORIFICES = [
    (1, "Sharp-edged", 0.62, 0.61, "about 0.61 for a sharp-edged circular orifice (Brater and King, "
        "Handbook of Hydraulics; Streeter, Fluid Mechanics)"),
    (2, "Rounded", 0.97, 0.98, "about 0.98 for a well-rounded (bell-mouthed) entry (Streeter, Fluid Mechanics)"),
    (3, "Borda, running free", 0.5, 0.5, "0.5 from the momentum balance of the re-entrant tube: Cc = 0.5, Cv = 1 "
        "(Borda; in every hydraulics text)"),
    (4, "Borda, running full", 0.75, 1 / math.sqrt(2), "1/sqrt 2 = 0.707 from the Borda-Carnot loss of the "
        "tube running full (Cc = 1)"),
]


# ---------------------------------------------------------------- inputs
def draw_pipes():
    """Log-uniform D 0.015-2 m, V 0.1-5 m/s, ks 0.001-5 mm, L 1-10 000 m, kept
    where Re = V D / 1e-6 > 4000, the first N_PIPES of them."""
    rng = np.random.default_rng(SEED)
    n = 2 * N_PIPES

    def logu(lo, hi):
        return np.exp(rng.uniform(math.log(lo), math.log(hi), n))
    d, v, ks, length = logu(0.015, 2), logu(0.1, 5), logu(0.001, 5), logu(1, 10000)
    keep = np.nonzero(v * d / 1e-6 > 4000)[0][:N_PIPES]
    d, v, ks, length = d[keep], v[keep], ks[keep], length[keep]
    q = v * (math.pi / 4) * d * d * 1000   # l/s, as an engineer would type it
    return q, length, d, ks


LAMINAR_RE = [400, 1000, 1500, 2000]
LAMINAR_D, LAMINAR_KS, LAMINAR_L = 0.002, 0.001, 1.0
V_HEADS = [0.05, 0.10, 0.30]
V_ANGLES = [30, 45, 60, 90, 100]
RES_HEADS = np.round(np.arange(0.005, 0.6005, 0.001), 3)


def ls_geometries():
    """The notches whose l/s figure is set against their own unrounded flow."""
    return [("V-notch 90 degrees", lambda h: line("vnotch", 90, h)),
            ("Rectangular, suppressed, L 0.5 m", lambda h: line("rect", 0, h, 0.5)),
            ("Trapezoidal 14 degrees, B 0.5 m", lambda h: line("trap", 14, h, 0.5))]


def lps_check(rows):
    """Unrounded flow, the l/s text, and its error in % against 1000 Q."""
    q = np.array([float(r[0]) for r in rows])
    lps = np.array([float(r[2]) for r in rows])
    return q, lps, 100 * np.abs(lps / (1000 * q) - 1)


# ---------------------------------------------------------------- the report
def pct(x, nd=2):
    return "%.*f" % (nd, x)


def table(header, rows):
    out = ["| " + " | ".join(header) + " |", "|" + "|".join("---" for _ in header) + "|"]
    out += ["| " + " | ".join(str(c) for c in r) + " |" for r in rows]
    return "\n".join(out)


def savefig(fig, name):
    fig.savefig(os.path.join(PLOTS, name), dpi=100, metadata={"Software": None})
    plt.close(fig)


def main():
    if len(sys.argv) == 3 and sys.argv[2] == "--check":
        sys.exit(check(sys.argv[1]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    print_snippets(report(sys.argv[1]))


def check(driver):
    """Writes the report into a temporary folder; 1 and the differences when it is
    not docs/accuracy.md."""
    global DOC, PLOTS
    published = DOC
    with tempfile.TemporaryDirectory() as out:
        DOC, PLOTS = os.path.join(out, "accuracy.md"), os.path.join(out, "accuracy")
        report(driver)
        with open(published, encoding="utf-8") as a, open(DOC, encoding="utf-8") as b:
            diff = list(difflib.unified_diff(a.readlines(), b.readlines(), "docs/accuracy.md", "regenerated"))
    sys.stdout.writelines(diff)
    print("accuracy: docs/accuracy.md " + ("no longer matches the figures; run scripts/accuracy and commit"
                                           if diff else "matches the figures"))
    return 1 if diff else 0


def report(driver):
    """Writes the report and its plots; the figures it drew them from."""
    os.makedirs(PLOTS, exist_ok=True)

    # ---- all the inputs, in one run of the driver
    q, length, d, ks = draw_pipes()
    lines = [line("pipe", *a) for a in zip(q, length, d, ks)]
    sections = {"pipes": (0, len(lines))}

    def add(name, new):
        sections[name] = (len(lines), len(lines) + len(new))
        lines.extend(new)

    lam_v = [re * 1e-6 / LAMINAR_D for re in LAMINAR_RE]
    add("laminar", [line("pipe", v * 3.14159 / 4 * LAMINAR_D ** 2 * 1000, LAMINAR_L, LAMINAR_D, LAMINAR_KS)
                    for v in lam_v])
    vh = np.round(np.arange(0.05, 0.3805, 0.005), 3)
    for angle in V_ANGLES:
        add("v%d" % angle, [line("vnotch", angle, h) for h in vh])
    add("vhead", [line("vnotch", 90, h) for h in V_HEADS])
    rect_b, rect_p = 1.0, [0.1, 0.3, 1.0]
    sup_h = {p: np.round(np.arange(0.03, min(2.5 * p, 1.0) + 1e-9, 0.005), 3) for p in rect_p}
    for p in rect_p:
        add("sup%r" % p, [line("rect", 0, h, rect_b) for h in sup_h[p]])
    full_b, full_p = 0.3, 0.6
    full_h = np.round(np.arange(0.03, 4 * full_b + 1e-9, 0.005), 3)
    add("full", [line("rect", 2, h, full_b) for h in full_h])
    trap_b = 0.5
    trap_h = np.round(np.arange(0.06, trap_b / 3 + 1e-9, 0.002), 3)
    add("trap", [line("trap", 14.04, h, trap_b) for h in trap_h])
    for name, make in ls_geometries():
        add("ls " + name, [make(h) for h in RES_HEADS])
    add("orifice", [line("orifice", kind, 0.1, 2) for kind, *_ in ORIFICES])
    rows = run_driver(driver, lines)

    def sec(name):
        a, b = sections[name]
        return rows[a:b]

    # ---- friction factor
    pr = sec("pipes")
    if any(len(r) != 6 for r in pr):
        sys.exit("accuracy: the core gave no result for a sampled pipe")
    vel = np.array([float(r[0]) for r in pr])
    re = np.array([float(r[1]) for r in pr])
    f_page = np.array([float(r[2]) for r in pr])
    hf_page = np.array([float(r[3]) for r in pr])
    rel = (ks / 1000) / d
    f_cw = colebrook_newton(rel, re)
    f_lw = colebrook_lambert(rel, re)
    cross = np.max(np.abs(f_lw / f_cw - 1))
    f_114 = form_114(rel, re)
    err = 100 * np.abs(f_page / f_cw - 1)
    err_form = 100 * np.abs(f_114 / f_cw - 1)
    err_stop = 100 * np.abs(f_page / f_114 - 1)
    f_med, f_p99, f_max = np.median(err), np.percentile(err, 99), np.max(err)

    # ---- shown headloss against the converged one, formatted alike
    hf_conv = f_cw * length * vel * vel / (2 * 9.81 * d)
    shown = [r[5] for r in pr]
    mine = [fmt(x) for x in hf_page]
    if mine != shown:
        sys.exit("accuracy: this script's #0.00 disagrees with the core's Format")
    units = np.array([abs(int(Decimal(fmt(c)) * 100) - int(Decimal(s) * 100)) for c, s in zip(hf_conv, shown)])
    differ = units > 0
    share = 100 * np.mean(differ)
    unit_bins = [(1, 1), (2, 10), (11, 100), (101, 10 ** 12)]
    unit_rows = [("%d" % lo if lo == hi else "%d-%d" % (lo, hi) if hi < 10 ** 12 else "more than 100",
                  "%d" % np.sum((units >= lo) & (units <= hi)),
                  pct(100 * np.sum((units >= lo) & (units <= hi)) / max(1, np.sum(differ)), 1))
                 for lo, hi in unit_bins]
    hf_small = hf_page < 100
    share_small = 100 * np.mean(differ[hf_small])

    # ---- viscosity by temperature
    visc = {}
    for t in TEMPERATURES:
        nu = float(water_nu(t))
        ratio = colebrook_newton(rel, vel * d / nu) / f_cw
        visc[t] = (nu, 100 * (np.median(ratio) - 1), 100 * (np.min(ratio) - 1), 100 * (np.max(ratio) - 1))
    crc_rows = [("%d" % t, "%.4f" % (water_mu(t) * 1000), "%.4f" % CRC_MU[t],
                 pct(100 * (water_mu(t) * 1000 / CRC_MU[t] - 1)), "%.4f" % (water_nu(t) * 1e6))
                for t in TEMPERATURES]

    # ---- laminar tubes
    lam = []
    for re_target, r in zip(LAMINAR_RE, sec("laminar")):
        v_p, re_p, f_p, hf_p = (float(x) for x in r[:4])
        hf_lam = (64 / re_p) * LAMINAR_L * v_p * v_p / (2 * 9.81 * LAMINAR_D)
        lam.append((re_target, v_p, re_p, r[5], hf_lam, hf_p / hf_lam, f_p))

    # ---- V-notches
    vn = {}
    for angle in V_ANGLES:
        ce, kh = ks_coefficients(angle)
        qp = np.array([float(r[0]) for r in sec("v%d" % angle)])
        vn[angle] = (ce, kh, 100 * (qp / kindsvater_shen(angle, vh, ce, kh) - 1))
    vhead = []
    for h, r in zip(V_HEADS, sec("vhead")):
        qp, lps = float(r[0]), float(r[2])
        above = 100 * (qp / kindsvater_shen(90, h, 0.578, 0.00085) - 1)
        vhead.append((h, qp, r[1], r[2], above, 100 * abs(lps / (1000 * qp) - 1)))

    # ---- rectangular notches and the Cipolletti trapezoid
    sup = {}
    for p in rect_p:
        qp = np.array([float(r[0]) for r in sec("sup%r" % p)])
        sup[p] = 100 * (qp / kindsvater_carter(rect_b, sup_h[p], p, 1.0) - 1)
    qp = np.array([float(r[0]) for r in sec("full")])
    full = 100 * (qp / kindsvater_carter(full_b, full_h, full_p, 0.2) - 1)
    full_valid = full_h <= 0.5 * full_b
    qp = np.array([float(r[0]) for r in sec("trap")])
    trap = 100 * (qp / cipolletti(trap_b, trap_h) - 1)

    # ---- the l/s figure of the notch pages
    res = {}
    for name, _ in ls_geometries():
        qv, lps, e = lps_check(sec("ls " + name))
        over = RES_HEADS[e > 1]
        res[name] = (qv, lps, e, over.max() if over.size else None,
                     RES_HEADS[lps == 0].max() if np.any(lps == 0) else None)

    # ---- orifices
    ori = []
    for (kind, name, cd_page, cd_book, source), r in zip(ORIFICES, sec("orifice")):
        qp = float(r[0])
        q_book = cd_book * math.pi * 0.1 ** 2 / 4 * math.sqrt(2 * G * 2)
        ori.append((name, cd_page, "%.3f" % cd_book, r[1], r[2], pct(100 * (qp / q_book - 1), 1), source))

    plots(re, rel, err, visc_curve(rel, vel, d, f_cw), vn, vh, sup, sup_h, rect_p, full, full_h, full_b,
          trap, trap_h, res)

    v_ls = res["V-notch 90 degrees"]
    headline = [
        ("Friction factor, median error (%)", pct(f_med)),
        ("Friction factor, 99th percentile error (%)", pct(f_p99)),
        ("Friction factor, largest error (%)", pct(f_max)),
        ("Colebrook-White, Newton against Lambert W, largest disagreement (units of 1e-15)", "%.1f" % (cross * 1e15)),
        ("Shown headloss differing from the converged one (%)", pct(share, 1)),
    ]
    for t in (5, 40):
        headline.append(("Water at %d degrees C: converged headloss against 1e-6 m2/s, median (%%)" % t,
                         "%.1f" % visc[t][1]))
        extreme = visc[t][3] if visc[t][1] > 0 else visc[t][2]
        headline.append(("Water at %d degrees C: converged headloss against 1e-6 m2/s, extreme (%%)" % t,
                         "%.1f" % extreme))
    for re_target, _, _, _, _, ratio, _ in lam:
        if re_target in (400, 1500):
            headline.append(("Laminar, Re %d: headloss / 64/Re headloss" % re_target, pct(ratio)))
    for h, _, _, _, above, off in vhead:
        headline.append(("V-notch 90 degrees, %.2f m: above Kindsvater-Shen (%%)" % h, "%.1f" % above))
        headline.append(("V-notch 90 degrees, %.2f m: l/s figure off the unrounded flow (%%)" % h, "%.1f" % off))
    headline.append(("V-notch 90 degrees: highest head (m) where the l/s figure is more than 1 % off", "%.3f" % v_ls[3]))
    headline.append(("Suppressed rectangular notch, L 1 m, P 0.3 m, h/P 2.5: against Kindsvater-Carter (%)",
                     "%.1f" % sup[0.3][-1]))

    write_doc(locals())
    return locals()


def visc_curve(rel, vel, d, f_cw):
    """Median, 1st and 99th percentile of the converged headloss at t against the
    one at 1e-6 m²/s, on every 10th pipe, for 0-40 degrees."""
    ts = np.arange(0, 40.5, 1.0)
    sub = slice(None, None, 10)
    out = []
    for t in ts:
        ratio = 100 * (colebrook_newton(rel[sub], vel[sub] * d[sub] / float(water_nu(t))) / f_cw[sub] - 1)
        out.append((np.percentile(ratio, 1), np.median(ratio), np.percentile(ratio, 99),
                    np.min(ratio), np.max(ratio)))
    return ts, np.array(out)


def plots(re, rel, err, visc, vn, vh, sup, sup_h, rect_p, full, full_h, full_b, trap, trap_h, res):
    # friction factor error against Re, coloured by relative roughness
    fig, ax = plt.subplots(figsize=(7, 4.2))
    sub = slice(None, None, 40)
    sc = ax.scatter(re[sub], err[sub], c=np.log10(rel[sub]), s=2, cmap="viridis", rasterized=True)
    ax.set_xscale("log")
    ax.set_xlabel("Reynolds number (at the page's 1e-6 m²/s)")
    ax.set_ylabel("|f page / f Colebrook-White − 1|  (%)")
    ax.set_title("Friction factor against Colebrook-White (2.51 / 3.7) solved to machine precision\n"
                 "every 40th of the 100,000 random pipes")
    cb = fig.colorbar(sc, ax=ax)
    cb.set_label("log10 of relative roughness ks/D")
    fig.tight_layout()
    savefig(fig, "friction-factor.png")

    # headloss against temperature
    ts, v = visc
    fig, ax = plt.subplots(figsize=(7, 3.8))
    ax.fill_between(ts, v[:, 3], v[:, 4], color="tab:blue", alpha=0.15, label="smallest to largest")
    ax.fill_between(ts, v[:, 0], v[:, 2], color="tab:blue", alpha=0.3, label="1st to 99th percentile")
    ax.plot(ts, v[:, 1], color="tab:blue", label="median")
    ax.axhline(0, color="k", lw=0.8)
    ax.set_xlabel("water temperature (°C)")
    ax.set_ylabel("converged headloss at the real viscosity\nagainst that at 1e-6 m²/s (%)")
    ax.set_title("What the fixed viscosity does to the headloss (every 10th random pipe)")
    ax.legend()
    fig.tight_layout()
    savefig(fig, "headloss-temperature.png")

    def notch_panel(ax, title, xlabel, ylabel=False, legend=True):
        ax.set_title(title)
        ax.set_xlabel(xlabel)
        if ylabel:
            ax.set_ylabel("page against standard (%)")
        if legend:
            ax.legend(fontsize=7)

    # each notch against its standard
    fig, axs = plt.subplots(2, 2, figsize=(8, 6.4))
    ax = axs[0, 0]
    for angle in sorted(vn):
        ax.plot(vh, vn[angle][2], label="%d°" % angle)
    notch_panel(ax, "V-notch against Kindsvater-Shen\n(fully contracted, h 0.05-0.38 m)", "head h (m)", True)
    ax = axs[0, 1]
    for p in rect_p:
        ax.plot(sup_h[p] / p, sup[p], label="P %.1f m" % p)
    notch_panel(ax, "Suppressed rectangular, L 1 m, against\nKindsvater-Carter (h/P up to 2.5)",
                "h / P (head over approach-pool depth)")
    ax = axs[1, 0]
    valid = full_h <= 0.5 * full_b
    ax.plot(full_h[valid] / full_b, full[valid], color="tab:blue", label="within h/b 0.5")
    ax.plot(full_h[~valid] / full_b, full[~valid], color="tab:blue", ls="--", label="beyond (page accepts up to 4)")
    notch_panel(ax, "Fully contracted rectangular, L 0.3 m, P 0.6 m,\nagainst Kindsvater-Carter (b/B 0.2)",
                "h / b (head over notch width)", True)
    ax = axs[1, 1]
    ax.plot(trap_h, trap)
    notch_panel(ax, "Trapezoid 1:4 (14.04°), B 0.5 m, against\nCipolletti (h 0.06 m to B/3)", "head h (m)",
                legend=False)
    for a in axs.flat:
        a.axhline(0, color="k", lw=0.8)
    fig.tight_layout()
    savefig(fig, "notches.png")

    # the l/s figure against the page's own unrounded flow
    fig, ax = plt.subplots(figsize=(7, 3.8))
    for (name, (qv, lps, e, _, _)), colour in zip(res.items(), ("tab:blue", "tab:orange", "tab:green")):
        ax.scatter(RES_HEADS, np.maximum(e, 1e-3), s=1, color=colour, rasterized=True)
        ax.plot(RES_HEADS, np.minimum(100 * 0.0005 / qv, 100), color=colour, lw=1,
                label=name + ": worst case, 0.5 l/s of rounding")
    ax.axhline(1, color="k", lw=0.8, ls=":")
    ax.set_yscale("log")
    ax.set_ylim(1e-3, 150)
    ax.set_xlabel("head h (m)")
    ax.set_ylabel("|l/s figure / (1000 Q) − 1|  (%)")
    ax.set_title("The l/s figure, read back from the 3-decimal m³/s text, against the unrounded flow\n"
                 "(dots: each head, 1 mm apart)")
    ax.legend(fontsize=7)
    fig.tight_layout()
    savefig(fig, "litres-resolution.png")


def write_doc(v):
    L = []
    w = L.append
    w("# How accurate are the figures")
    w("")
    w("This report sets Quorvel's figures against the references of the trade. It is written by "
      "`scripts/accuracy` (which builds `scripts/accuracy_driver.cpp`, a figure printer linked with the "
      "program's own number core, and runs `scripts/accuracy.py`); every number below comes from "
      "that run. Running `scripts/accuracy` again rewrites this file byte for byte (and the plots "
      "in `docs/accuracy/` up to a few anti-aliased pixels): the random pipes come from a fixed seed "
      "(%d, numpy's `default_rng`). None of this changes a figure the program shows: the formulas and constants "
      "stay as they are; the report says how far each is from the references." % SEED)
    w("")
    w("The references are computed in the script from the published equations, with g = 9.80665 "
      "m/s² and full-precision pi; the program's figures are the core's own unrounded values and "
      "the texts the pages show.")
    w("")
    w("## Headline figures")
    w("")
    w(table(["Figure", "Value"], v["headline"]))
    w("")
    w("## Pipe friction factor")
    w("")
    w("The pipe page solves 1/√f = 1.14 − 2 log10(ks/D + 9.35/(Re √f)) by fixed-point iteration "
      "from f = 0.01 and stops at the first pass that changes f by 1 %% or less. The reference is "
      "Colebrook-White in its usual form, 1/√f = −2 log10(ks/(3.7 D) + 2.51/(Re √f)), solved by "
      "Newton's method to machine precision at the page's own Reynolds number and relative "
      "roughness, and cross-checked by its closed form through the Lambert W function (W by "
      "Halley's iteration on w + ln w = ln z): the two solutions differ by at most "
      "%.1e %% over the sample." % (100 * v["cross"]))
    w("")
    w("The sample: %d pipes drawn log-uniformly (each quantity uniform in its logarithm) over "
      "D 0.015-2 m, V 0.1-5 m/s, ks 0.001-5 mm, L 1-10,000 m (`numpy.random.default_rng(%d)`, "
      "one `uniform` call of %d values per quantity, in the order D, V, ks, L), keeping the first "
      "%d with Re = V D / 1e-6 > 4000, the flow typed as V π D²/4 in l/s." % (2 * N_PIPES, SEED, 2 * N_PIPES,
                                                                                N_PIPES))
    w("")
    e, ef, es = v["err"], v["err_form"], v["err_stop"]
    w(table(["Error against Colebrook-White (%)", "median", "99th percentile", "largest"], [
        ("the page's factor", pct(np.median(e)), pct(np.percentile(e, 99)), pct(np.max(e))),
        ("the 1.14 / 9.35 form solved to convergence", pct(np.median(ef)), pct(np.percentile(ef, 99)),
         pct(np.max(ef))),
        ("the page against that converged form (the stopping rule)", pct(np.median(es)),
         pct(np.percentile(es, 99)), pct(np.max(es))),
    ]))
    w("")
    w("![Friction factor error against Re](accuracy/friction-factor.png)")
    w("")
    w("### The headloss shown")
    w("")
    w("The converged headloss f L V²/(2 g D) (with the page's V and g = 9.81, so that only the "
      "friction factor differs) was formatted as the page formats it (\"#0.00\", halves away from "
      "zero; the script's formatting agrees with the core's on all %d shown headlosses). In "
      "%s %% of the pipes the text shown differs from it; among the pipes with a headloss below "
      "100 m, in %s %%. By how many units of the last digit (0.01 m), among those that differ:"
      % (N_PIPES, pct(v["share"], 1), pct(v["share_small"], 1)))
    w("")
    w(table(["Last-digit units", "Pipes", "Share of those that differ (%)"], v["unit_rows"]))
    w("")
    w("## The fixed viscosity")
    w("")
    w("The page takes ν = 1e-6 m²/s for every water, that of water at about 20 °C. The reference "
      "viscosity: the dynamic viscosity of Kestin, Sokolov and Wakeham (1978, J. Phys. Chem. Ref. "
      "Data 7, 941; the equation of ISO/TR 3666, valid 0-40 °C), log10(μ/μ20) = (20 − t)/(t + 96) × "
      "(1.2364 − 1.37e-3 (20 − t) + 5.7e-6 (20 − t)²) with μ20 = 1.0016 mPa·s, divided by the "
      "density of Tanaka et al. (2001, Metrologia 38, 301). The equation against the table of "
      "the CRC Handbook of Chemistry and Physics:")
    w("")
    w(table(["°C", "μ equation (mPa·s)", "μ CRC table (mPa·s)", "difference (%)", "ν (1e-6 m²/s)"],
            v["crc_rows"]))
    w("")
    w("Over the same %d pipes, the converged headloss at the water's real viscosity against the "
      "converged headloss at 1e-6 m²/s:" % N_PIPES)
    w("")
    w(table(["°C", "ν (m²/s)", "median (%)", "smallest (%)", "largest (%)"],
            [("%d" % t, "%.4g" % nu, "%+.1f" % med, "%+.1f" % lo, "%+.1f" % hi)
             for t, (nu, med, lo, hi) in v["visc"].items()]))
    w("")
    w("![Headloss against temperature](accuracy/headloss-temperature.png)")
    w("")
    w("## Laminar flow in small tubes")
    w("")
    w("Below Re 2000 the flow is laminar and the friction factor is 64/Re; the page still applies "
      "Colebrook-White, and nothing on screen says the flow is laminar. A tube of D %s m, ks %s mm, "
      "L %s m, at V = Re × 1e-6 / D (the flow typed as V × 3.14159 D²/4 in l/s); the page's "
      "headloss against (64/Re) L V²/(2 × 9.81 × D) at the page's own Re and V:"
      % (LAMINAR_D, LAMINAR_KS, LAMINAR_L))
    w("")
    w(table(["Re", "V (m/s)", "page's f", "64/Re", "headloss shown (m)", "laminar headloss (m)",
             "page / laminar"],
            [("%d" % t, "%.3f" % vp, "%.4f" % fp, "%.4f" % (64 / rp), s, "%.4f" % hl, pct(ratio))
             for t, vp, rp, s, hl, ratio, fp in v["lam"]]))
    w("")
    w("## Notches against the standards")
    w("")
    w("Each notch page against the standard equation of its kind, across that standard's stated "
      "range of validity; 100 × (Q page / Q standard − 1), from the unrounded flows. The standards "
      "need the approach channel (its width B and the depth P of the pool below the crest), which "
      "the pages do not ask for; the geometry used is given with each.")
    w("")
    w("- V-notch: Kindsvater-Shen, Q = Ce (8/15) √(2g) tan(θ/2) (h + kh)^2.5 (ISO 1438; USBR Water "
      "Measurement Manual, chapter 7; Kulin and Compton 1975). Fully contracted, valid for θ 25-100°, "
      "0.05 m ≤ h ≤ 0.38 m, h/P ≤ 0.4, h/B ≤ 0.2, P ≥ 0.45 m, B ≥ 0.9 m. At 90° Ce = 0.578 and "
      "kh = 0.85 mm; at the other angles Ce and kh from the polynomial fit to the Kulin-Compton "
      "curves (LMNO Engineering; at 90° it gives Ce %.4f, kh %.2f mm)." % FIT90)
    w("- Rectangular: Kindsvater-Carter, Q = Ce (2/3) √(2g) (b + kb) (h + kh)^1.5 with kh = 1 mm "
      "(ISO 1438; Bos 1989, Discharge Measurement Structures, table 5.2; USBR manual, figures 7-4 "
      "and 7-5). Valid for h/P ≤ 2.5, h ≥ 0.03 m, b ≥ 0.15 m, P ≥ 0.10 m. Suppressed (b/B = 1): "
      "Ce = 0.602 + 0.075 h/P, kb = −0.9 mm. Fully contracted, taken at b/B = 0.2: Ce = 0.589 − "
      "0.0018 h/P, kb = 2.4 mm; the fully contracted notch of ISO 1438 further needs h/b ≤ 0.5. "
      "The one-side contraction has no standard equation and is left out.")
    w("- Trapezoidal 1:4 (Cipolletti): Q = 1.859 b h^1.5 (USBR manual, chapter 7), valid for "
      "h ≥ 0.06 m and h ≤ b/3, the crest and sides at least 2 h from the channel. The angle is "
      "typed as 14.04 (tan⁻¹ 0.25 = 14.036°).")
    w("- Orifices: textbook discharge coefficients, below.")
    w("")
    rows = []
    for angle in sorted(v["vn"]):
        ce, kh, dev = v["vn"][angle]
        rows.append(("V-notch %d°, Ce %.4f, kh %.2f mm" % (angle, ce, kh * 1000), "0.05-0.38 m",
                     "%+.1f" % dev.min(), "%+.1f" % dev.max()))
    for p in v["rect_p"]:
        rows.append(("Suppressed, L 1 m, P %.1f m" % p, "%.2f-%.2f m" % (v["sup_h"][p][0], v["sup_h"][p][-1]),
                     "%+.1f" % v["sup"][p].min(), "%+.1f" % v["sup"][p].max()))
    fv = v["full_valid"]
    fh = v["full_h"]
    rows.append(("Fully contracted, L 0.3 m, P 0.6 m, within h/b 0.5", "%.3f-%.3f m" % (fh[fv][0], fh[fv][-1]),
                 "%+.1f" % v["full"][fv].min(), "%+.1f" % v["full"][fv].max()))
    rows.append(("Fully contracted, beyond h/b 0.5 (the page accepts up to h/b 4)",
                 "%.3f-%.3f m" % (fh[~fv][0], fh[~fv][-1]),
                 "%+.1f" % v["full"][~fv].min(), "%+.1f" % v["full"][~fv].max()))
    rows.append(("Trapezoid 14.04°, B 0.5 m", "%.3f-%.3f m" % (v["trap_h"][0], v["trap_h"][-1]), "%+.1f" % v["trap"].min(), "%+.1f" % v["trap"].max()))
    w(table(["Notch", "Heads", "smallest (%)", "largest (%)"], rows))
    w("")
    w("The 90° V-notch at the three heads of the headline table:")
    w("")
    w(table(["Head (m)", "Q page (m³/s)", "m³/s shown", "l/s shown", "above Kindsvater-Shen (%)",
             "l/s figure off the unrounded flow (%)"],
            [("%.2f" % h, "%.6f" % qp, c, lps, "%.1f" % above, "%.1f" % off)
             for h, qp, c, lps, above, off in v["vhead"]]))
    w("")
    w("![Each notch against its standard](accuracy/notches.png)")
    w("")
    w("## The l/s figure of the notch pages")
    w("")
    w("The notch pages read the l/s figure back from the m³/s text with three decimals, so it moves "
      "in whole litres per second. Against the page's own unrounded flow, heads 0.005-0.600 m in "
      "steps of 1 mm:")
    w("")
    w(table(["Notch", "highest head with l/s more than 1 % off (m)", "highest head showing 0.00 l/s (m)",
             "largest error with l/s above 0 (%)"],
            [(name, "%.3f" % over if over is not None else "none", "%.3f" % zero if zero is not None else "none",
              pct(np.max(e[lps > 0]), 1)) for name, (qv, lps, e, over, zero) in v["res"].items()]))
    w("")
    w("Below the head where the m³/s figure rounds to 0.000 the l/s figure reads 0.00: 100 % off. "
      "The orifice page forms its l/s figure from the unrounded flow and is off by at most half a "
      "unit of its last digit (0.005 l/s).")
    w("")
    w("![The l/s figure against the unrounded flow](accuracy/litres-resolution.png)")
    w("")
    w("## Orifices")
    w("")
    w("The page's discharge for d 0.1 m and H 2 m against Cd × (π d²/4) × √(2 g H) with the "
      "textbook coefficient (the page also carries pi as 3.142 and g as 9.81; those two together "
      "move the flow by %+.3f %%):" % (100 * (3.142 / math.pi * math.sqrt(9.81 / G) - 1)))
    w("")
    w(table(["Kind", "page's Cd", "textbook Cd", "m³/s shown", "l/s shown", "page against textbook (%)",
             "source of the textbook value"], v["ori"]))
    w("")
    w("## Rerunning")
    w("")
    w("```sh\nscripts/accuracy           # installs python3-numpy and python3-matplotlib if missing, "
      "builds, rewrites this file\n"
      "scripts/accuracy --check   # the same into a temporary folder; fails when this file would change\n```")
    w("")
    with open(DOC, "w", encoding="utf-8") as out:
        out.write("\n".join(L))


def print_snippets(v):
    """The headline figures, and the man page lines that state them, ready to paste
    (they are kept in step with this report by pasting)."""
    h = dict(v["headline"])
    print("accuracy: wrote %s and %s/*.png" % (os.path.relpath(DOC, ROOT), os.path.relpath(PLOTS, ROOT)))
    print("accuracy: headline figures")
    for k, val in v["headline"]:
        print("  %-85s %s" % (k, val))
    visc = v["visc"]
    facts = {
        "med": h["Friction factor, median error (%)"], "max": h["Friction factor, largest error (%)"],
        "c5": "%.1f" % visc[5][1], "c5x": "%.1f" % visc[5][3], "c40": "%.1f" % -visc[40][1],
        "c40x": "%.1f" % -visc[40][2],
        "l400": h["Laminar, Re 400: headloss / 64/Re headloss"], "vmax": "%.3f" % v["v_ls"][3],
        "vlo": "%.1f" % v["vn"][90][2].min(), "vhi": "%.1f" % v["vn"][90][2].max(),
    }
    print("\naccuracy: for packaging/quorvel.1.in (section ACCURACY):\n")
    print(""".SH ACCURACY
The friction factor is at most {max}\\ % off Colebrook\\-White solved to machine
precision (median {med}\\ %, over 100\\ 000 random pipes above Re\\ 4000).
The viscosity is fixed at 1e\\-6\\ m\\(S2/s: water at 5\\ \\(deC would lose
{c5}\\ % more head (median; up to {c5x}\\ %),
at 40\\ \\(deC {c40}\\ % less (up to {c40x}\\ %).
Below Re\\ 2000 the flow is laminar, yet Colebrook\\-White is applied
({l400} \\(mu the 64/Re headloss at Re\\ 400).
A 90\\(de V\\-notch reads {vlo}\\(en{vhi}\\ % above Kindsvater\\-Shen over its valid
heads (0.05\\(en0.38\\ m), and its l/s figure, read back from the m\\(S3/s text,
can be more than 1\\ % off the unrounded flow at heads up to {vmax}\\ m.
The full report is
.IR @QUORVEL_DOC_PATH@/accuracy.md ,
with its plots.""".format(**facts))


if __name__ == "__main__":
    main()
