"""Writes every character the game can show in its Japanese fonts: the
non-ASCII characters of its sources, and printable ASCII for the numbers
and names typed into its entries."""
import sys

out, sources = sys.argv[1], sys.argv[2:]
chars = {chr(c) for c in range(0x20, 0x7F)}
for path in sources:
    with open(path, encoding="utf-8") as f:
        chars.update(c for c in f.read() if ord(c) > 0x7F)
with open(out, "w", encoding="utf-8") as f:
    f.write("".join(sorted(chars)))
