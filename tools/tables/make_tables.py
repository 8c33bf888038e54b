#!/usr/bin/env python3
"""Writes the three embedded key tables and the list of panel categories from bindings.py.

    python3 tools/tables/make_tables.py            (from the repository root)

Outputs (CR LF line ends, ASCII):
    resources/tables/KES_KEYS.txt         one binding per line, fields separated by "@"
    resources/tables/VK_KEYS.txt          constant, hexadecimal code, display name (TAB separated)
    resources/tables/EXTRA_CATEGORY.txt   key, shift, alt, ctrl, finer panel category (TAB separated)
    resources/sources/panel_categories.txt  the display categories that have a panel picture
It refuses to write anything when the tables would break a property the program relies on.
"""

import re
import sys
from collections import Counter
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from bindings import SECTIONS  # noqa: E402
from vk_keys import LAYOUT_CHARACTERS, VK_KEYS  # noqa: E402

MODIFIERS = ("LCtrl", "LShift", "RCtrl", "LAlt", "RAlt", "RShift", "LWin")
FLAGS = ("LShift", "RShift", "LCtrl", "RCtrl", "LAlt", "RAlt", "LWin", "RWin")
ACTIONS = {  # action letter -> the simulator events it carries, in field order
    "t": ("down",),
    "m": ("down", "up"),
    "h": ("pressed",),
    "r": ("pressed", "up"),
    "s": ("down", "pressed", "up"),
}
KEY_WORDS = {name.upper() for _, _, name in VK_KEYS}

# The shipped tables are known by these figures; a change that breaks one is a mistake in bindings.py.
EXPECTED = {
    "bindings": 500, "with reformers": 409, "down": 428, "up": 181, "pressed": 77,
    "finer bindings": 156, "display categories": 54, "panels": 45,
}


class Binding:
    def __init__(self, combo, name, action, category, finer):
        *self.reformers, self.key = combo.split()
        self.name, self.action, self.category, self.finer = name, action, category, finer

    @property
    def display_category(self):
        return self.finer or self.category

    def flags(self):
        return frozenset(self.reformers)

    def combo_text(self):
        return "+".join(self.reformers + [self.key])


def parse_rows(text, category, finer):
    rows = []
    for line in text.strip("\n").splitlines():
        combo, name, action = (part.strip() for part in line.split("|"))
        rows.append(Binding(combo, name, action, category, finer))
    return rows


def all_bindings():
    bindings, panels = [], []
    for section in SECTIONS:
        if section.panels:
            for finer, rows in section.panels.items():
                bindings += parse_rows(rows, section.category, finer)
                panels.append(finer)
        else:
            bindings += parse_rows(section.rows, section.category, "")
            if section.is_panel:
                panels.append(section.category)
    return bindings, panels


def identifier(binding, event):
    words = re.findall(r"[A-Za-z0-9]+", binding.name)
    base = "iCmd" + "".join(w[0].upper() + w[1:] for w in words)
    if binding.action == "m" and event == "up":
        return base + "End"
    if binding.action in "rs" and event == "up":
        return base + "Stop"
    if binding.action == "s" and event == "down":
        return base + "Start"
    return base


def kes_line(b):
    # An apostrophe cannot be quoted; the apostrophe key is written as three of them, which the
    # loader reads as an empty value and so as the apostrophe key.
    fields = ["key = " + ("'" * 3 if b.key == "'" else f"'{b.key}'")]
    if b.reformers:
        fields.append("reformers = " + ";".join(f"'{m}'" for m in b.reformers))
    fields += [f"{event} = {identifier(b, event)}" for event in ACTIONS[b.action]]
    fields += [f"name = '{b.name}'", f"category = '{b.category}'"]
    return "@ ".join(fields)


def extra_line(b):
    def column(left, right):
        return left if left in b.reformers else right if right in b.reformers else ""
    return "\t".join([b.key, column("LShift", "RShift"), column("LAlt", "RAlt"),
                      column("LCtrl", "RCtrl"), b.finer])


def vk_line(constant, code, name):
    # The display names are padded to one width, as a hand-kept table would be; the loader trims.
    return f"{constant}\t{code:02X}\t{name:<8}"


def problems(bindings, panels):
    found = []

    def check(ok, message):
        if not ok:
            found.append(message)

    for b in bindings:
        where = f"{b.combo_text()} '{b.name}'"
        check(b.key.upper() in KEY_WORDS or b.key in LAYOUT_CHARACTERS, f"{where}: key has no name")
        check(all(m in MODIFIERS for m in b.reformers), f"{where}: unknown modifier")
        check(len(b.reformers) <= 3 and len(set(b.reformers)) == len(b.reformers),
              f"{where}: bad modifier list")
        check(b.action in ACTIONS, f"{where}: unknown action")
        # The program's modifier set holds one side at a time: a right modifier clears the left ones.
        sides = {m[0] for m in b.reformers}
        check(len(sides) <= 1, f"{where}: mixes left and right modifiers, which cannot be typed")
        check(not re.search(r"['@]", b.name + b.category + b.finer), f"{where}: ' or @ in a text")
        if b.finer:
            # The finer table has one column per modifier pair and none for the Windows keys.
            pairs = (("LShift", "RShift"), ("LAlt", "RAlt"), ("LCtrl", "RCtrl"))
            check("LWin" not in b.reformers and
                  not any(left in b.reformers and right in b.reformers for left, right in pairs),
                  f"{where}: cannot be named by the finer table")

    combos = Counter((b.key.upper(), b.flags()) for b in bindings)
    found += [f"bound twice: {'+'.join(sorted(f))}+{k}" for (k, f), n in combos.items() if n > 1]
    names = Counter(b.name for b in bindings)
    found += [f"command named twice: {n}" for n, c in names.items() if c > 1]

    events = Counter(e for b in bindings for e in ACTIONS.get(b.action, ()))
    display = {b.display_category for b in bindings}
    figures = {
        "bindings": len(bindings),
        "with reformers": sum(1 for b in bindings if b.reformers),
        "down": events["down"], "up": events["up"], "pressed": events["pressed"],
        "finer bindings": sum(1 for b in bindings if b.finer),
        "display categories": len(display),
        "panels": len(panels),
    }
    for what, expected in EXPECTED.items():
        check(figures[what] == expected, f"{what}: {figures[what]}, expected {expected}")
    check(set(panels) <= display, "a panel category has no binding")
    check({"General", "View"} <= display - set(panels), "General and View must not be panels")
    check(any(b.key == "Z" and b.reformers == ["LCtrl"] and b.name == "Time accelerate"
              and b.category == "General" for b in bindings), "Time accelerate is not LCtrl+Z")
    check(any(b.key == "PageDown" and not b.reformers for b in bindings), "no bare PageDown")
    check(any(b.key == "Z" and b.reformers == ["RCtrl"] for b in bindings), "no RCtrl+Z")
    check({"'", "\\", "="} <= {b.key for b in bindings}, "the ' \\ = keys must be bound")
    check(set(MODIFIERS) <= {m for b in bindings for m in b.reformers}, "a modifier is never used")
    check(any(b.key == "Q" and b.flags() == {"LShift", "LCtrl"}
              and b.finer == "Electrical Power Controls" for b in bindings),
          "LShift+LCtrl+Q is not on the electrical power panel")
    return found, figures


def write_lines(path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


def main():
    root = Path(__file__).resolve().parents[2]
    bindings, panels = all_bindings()
    found, figures = problems(bindings, panels)
    if found or "--check" in sys.argv:
        print("\n".join(f"{k}: {v}" for k, v in figures.items()))
        print("\n".join(found))
        return 1 if found else 0
    write_lines(root / "resources/tables/KES_KEYS.txt", [kes_line(b) for b in bindings])
    write_lines(root / "resources/tables/VK_KEYS.txt", [vk_line(*row) for row in VK_KEYS])
    write_lines(root / "resources/tables/EXTRA_CATEGORY.txt",
                [extra_line(b) for b in bindings if b.finer])
    write_lines(root / "resources/sources/panel_categories.txt", panels)
    return 0


if __name__ == "__main__":
    sys.exit(main())
