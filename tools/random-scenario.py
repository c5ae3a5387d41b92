#!/usr/bin/env python3
"""Writes a random but valid scenario for quorvan-sim: the same SEED always
gives the same file. Inputs are weighted towards play that lasts: moves,
fire, enemy clicks, hidden Wing and enemy-count entries, both editions."""
import random
import sys


def scenario(seed: int) -> str:
    r = random.Random(seed)
    lines = [f"# random scenario {seed}", f"seed {r.randrange(1, 1 << 31)}",
             f"edition {r.choice([1, 2])}", f"ok {r.choice([0, 300, 1000, 2500])}"]
    entries = []
    frame = 1
    frames = r.randrange(300, 3000)
    held = None
    while frame < frames:
        frame += r.choice([1, 1, 2, 3, 5, 8])
        roll = r.random()
        if roll < 0.35:
            key = r.choice(["left", "right"])
            if held and held != key:
                lines.append(f"at {frame} key up {held}")
            lines.append(f"at {frame} key down {key}")
            held = key
        elif roll < 0.45 and held:
            lines.append(f"at {frame} key up {held}")
            held = None
        elif roll < 0.75:
            lines.append(f"at {frame} key down {r.choice(['space', 'ctrl'])}")
        elif roll < 0.85:
            lines.append(f"at {frame} click {r.randrange(8)}")
        elif roll < 0.88:
            lines.append(f"at {frame} key down {r.choice([145, 126])}")
            entries.append(str(r.randrange(11)))
        elif roll < 0.89:
            lines.append(f"at {frame} key down {r.choice([93, 144, 125])}")
            entries.append(str(r.randrange(1, 60)))
        elif roll < 0.90:
            lines.append(f"at {frame} mouse 2 {r.choice([1, 2, 4])}")
        else:
            key = r.choice([k for k in range(256) if k not in (19, 80)])  # 19 and 80 are kept free for new keys
            lines.append(f"at {frame} key down {key} {r.randrange(8)}")
    lines += [f"entry {e}" for e in entries]
    lines.append(f"stop frames {frames}")
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    sys.stdout.write(scenario(int(sys.argv[1])))
