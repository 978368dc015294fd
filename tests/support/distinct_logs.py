"""Distinct logs for the scripts that feed a watcher."""
import os
import subprocess


def make_distinct_logs(mkbatch, site, folder, count):
    """COUNT logs of zerb32-mkbatch in FOLDER, each beside its site file, no
    two the same log; their names, sorted. The batch repeats three shapes:
    each log gets a clock of its own (the PC time, bytes 102 to 105 of the
    header)."""
    subprocess.run([mkbatch, site, folder, str(count)], check=True, stdout=subprocess.DEVNULL)
    os.remove(os.path.join(folder, "0long.log"))
    names = sorted(n for n in os.listdir(folder) if n.endswith(".log"))[:count]
    for i, name in enumerate(names):
        path = os.path.join(folder, name)
        data = bytearray(open(path, "rb").read())
        pc = int.from_bytes(data[102:106], "little") + 3600 * (i + 1)
        data[102:106] = pc.to_bytes(4, "little")
        open(path, "wb").write(data)
    return names
