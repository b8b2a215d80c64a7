#!/usr/bin/env python3
"""Replays the file states a power cut could leave during a recorded run.

The log comes from the durability_shim library (see DurabilityShim.c); the
snapshot holds the tracked folders as they were before the run. Each recorded
change is applied to a model of the disk that keeps, for every file, the bytes
made durable by its last fsync and the writes since, and for every folder the
entries made durable by its last fsync and the changes since. At every point
where a cut matters (around each sync, each folder change and each mark) the
states the disk could hold are built from that model:

  strict     writes after a file's last fsync are lost, kept, or kept up to some
             write (the last one possibly torn in half); folder changes are lost
             unless the folder itself was synced after them (or kept up to some
             change);
  ext4       the same, but any fsync also makes every earlier folder change
             durable, as ext4's journal does.

Each state is written to a temporary folder and its ledger is opened with the
sqlcipher shell: it must open with one of the keys, pass PRAGMA
integrity_check and answer every check of the scenario as acknowledged. A
check before its mark must give the old or the new answer (nothing in
between); after its mark, the new one.

The scenario is a JSON file:
  {"ledger": "home/config/CAR.mdb",      path of the ledger below the roots
   "keys": ["vorpa"],                    keys to open it with, tried in order
   "absent_until": "created",            the ledger may be missing before this mark
   "checks": [{"name": ..., "sql": ..., "before": ..., "after": ..., "mark": ...},
              {"name": ..., "file": "config/OrvynSoft/Orvyn.conf", "contains": ...,
               "mark": ...},
              {"name": ..., "key": true, "before": "vorpa", "after": "new", "mark": ...},
              {"name": ..., "points": "home/backup", "count": 1, "mark": ...},
              {"name": ..., "file": ..., "contains": "OwnerKeyed=1", "unless_key": "vorpa"}]}
"before" may be left out when the old answer need not be checked. A "file" check
asks that the file holds the text once the mark has passed; a "points" check,
that the folder holds at least that many backup points (*.bpt) that open with
one of the keys and pass integrity_check. A file check with "unless_key" holds
in every state whose ledger opens with another key than that one (the program
finds the ledger's key only through what the file says); failing it counts as
a ledger the program cannot open.

Prints one JSON line per model: states (the different contents of the checked
files found at each cut, summed over the cuts), how many of them opened,
passed integrity_check, kept every acknowledged change and held each change
whole or not at all, and records the model could not place; failing states
are described on stderr (and kept below --keep when given). Ends with status 1
when a state fails. A mark is a record "mark<TAB>0<TAB>label<TAB>0" the driver
appends to the log once the program has shown the change as saved.
"""
import argparse
import hashlib
import json
import os
import shutil
import subprocess
import sys
import tempfile

O_CREAT = 0o100
O_TRUNC = 0o1000
O_TMPFILE = 0o20200000

PREFIX_SAMPLES = 6


class File:
    def __init__(self, data=b""):
        self.durable = bytearray(data)
        self.pending = []  # ("w", offset, bytes) or ("t", size)

    def content(self, count=None, torn=False):
        data = bytearray(self.durable)
        ops = self.pending if count is None else self.pending[:count]
        for i, op in enumerate(ops):
            if op[0] == "w":
                _, offset, payload = op
                if torn and i == len(ops) - 1:
                    payload = payload[: max(1, len(payload) // 2)]
                if len(data) < offset:
                    data.extend(b"\0" * (offset - len(data)))
                data[offset:offset + len(payload)] = payload
            else:
                del data[op[1]:]
                if len(data) < op[1]:
                    data.extend(b"\0" * (op[1] - len(data)))
        return bytes(data)

    def commit(self):
        if self.pending:
            self.durable = bytearray(self.content())
            self.pending = []


class Dir:
    def __init__(self):
        self.durable = {}
        self.pending = []  # lists of (name, node or None), each applied whole
        self.live = {}

    def change(self, assignments):
        self.pending.append(assignments)
        for name, node in assignments:
            if node is None:
                self.live.pop(name, None)
            else:
                self.live[name] = node

    def entries(self, count=None):
        entries = dict(self.durable)
        for assignments in self.pending if count is None else self.pending[:count]:
            for name, node in assignments:
                if node is None:
                    entries.pop(name, None)
                else:
                    entries[name] = node
        return entries

    def commit(self):
        self.durable = dict(self.live)
        self.pending = []


def load_tree(path):
    folder = Dir()
    for name in sorted(os.listdir(path)):
        full = os.path.join(path, name)
        if os.path.isdir(full):
            node = load_tree(full)
        else:
            with open(full, "rb") as f:
                node = File(f.read())
        folder.durable[name] = node
        folder.live[name] = node
    return folder


def read_log(path):
    records = []
    with open(path, "rb") as f:
        data = f.read()
    at = 0
    while at < len(data):
        end = data.index(b"\n", at)
        fields = data[at:end].decode("utf-8", "surrogateescape").split("\t")
        length = int(fields[-1])
        payload = data[end + 1:end + 1 + length]
        at = end + 1 + length
        records.append((fields[:-1], payload))
    return records


class Disk:
    def __init__(self, roots, model, folder_syncs=True):
        self.model = model
        self.folder_syncs = folder_syncs
        self.roots = {}  # absolute path -> (label, Dir)
        self.folders = []
        for absolute, (label, snapshot) in roots.items():
            root = load_tree(snapshot) if os.path.isdir(snapshot) else Dir()
            self.roots[absolute] = (label, root)
            self.collect(root)
        self.fds = {}
        self.unknown = 0

    def collect(self, folder):
        self.folders.append(folder)
        for node in folder.live.values():
            if isinstance(node, Dir):
                self.collect(node)

    def locate(self, path):
        """(parent Dir, name) of a path below a root, or (root Dir, None)."""
        for absolute, (_, root) in self.roots.items():
            if path == absolute:
                return root, None
            if path.startswith(absolute + "/"):
                parts = path[len(absolute) + 1:].split("/")
                folder = root
                for part in parts[:-1]:
                    folder = folder.live.get(part)
                    if not isinstance(folder, Dir):
                        return None, None
                return folder, parts[-1]
        return None, None

    def node(self, path):
        parent, name = self.locate(path)
        if parent is None:
            return None
        return parent if name is None else parent.live.get(name)

    def outside(self, fields):
        """A record the model cannot place: counted and shown."""
        self.unknown += 1
        print("not in the model: " + " ".join(fields), file=sys.stderr)

    def apply(self, fields, payload):
        op, pid = fields[0], fields[1]
        if op == "open":
            fd, path, flags = fields[2], fields[3], int(fields[4])
            if flags & O_TMPFILE == O_TMPFILE:
                node = File()
            else:
                node = self.node(path)
                if node is None and flags & O_CREAT:
                    parent, name = self.locate(path)
                    if parent is None:
                        self.outside(fields)
                        return
                    node = File()
                    parent.change([(name, node)])
                elif isinstance(node, File) and flags & O_TRUNC:
                    node.pending.append(("t", 0))
            # A folder outside the roots (a root's parent, opened to sync it)
            # maps to nothing; what is done through it is outside the model.
            self.fds[(pid, fd)] = node
        elif op == "close":
            self.fds.pop((pid, fields[2]), None)
        elif op in ("write", "trunc", "fsync", "link"):
            if (pid, fields[2]) not in self.fds:
                self.outside(fields)
                return
            node = self.fds[(pid, fields[2])]
            if node is None:
                return
            if op == "write":
                node.pending.append(("w", int(fields[3]), payload))
            elif op == "trunc":
                node.pending.append(("t", int(fields[3])))
            elif op == "link":
                parent, name = self.locate(fields[3])
                if parent is not None and name is not None:
                    parent.change([(name, node)])
            elif isinstance(node, File) or self.folder_syncs:
                node.commit()
                if self.model == "ext4":
                    for folder in self.folders:
                        folder.commit()
        elif op == "sync":
            for folder in self.folders:
                folder.commit()
                for node in folder.live.values():
                    if isinstance(node, File):
                        node.commit()
            for node in self.fds.values():
                if node is not None:
                    node.commit()
        elif op in ("unlink", "rmdir"):
            parent, name = self.locate(fields[2])
            if parent is None or name is None:
                self.outside(fields)
                return
            parent.change([(name, None)])
        elif op == "mkdir":
            parent, name = self.locate(fields[2])
            if parent is None or name is None:
                self.outside(fields)
                return
            folder = Dir()
            self.folders.append(folder)
            parent.change([(name, folder)])
        elif op == "adopt":
            parent, name = self.locate(fields[2])
            if parent is None or name is None:
                self.outside(fields)
                return
            node = File()
            node.pending.append(("w", 0, payload))
            parent.change([(name, node)])
        elif op == "rename":
            source, source_name = self.locate(fields[2])
            node = source.live.get(source_name) if source is not None else None
            if node is None:
                self.outside(fields)
                return
            target, target_name = (None, None) if fields[3] == "-" else self.locate(fields[3])
            if target is source:
                source.change([(source_name, None), (target_name, node)])
            else:
                source.change([(source_name, None)])
                if target is not None:
                    target.change([(target_name, node)])

    def choices(self):
        """The states a cut now could leave, as (file choice, folder choice)
        maps: a node absent from a map keeps what the background gives."""
        files = {}
        seen = set()
        for folder in self.folders:
            named = [node for change in folder.pending for _, node in change if node is not None]
            for node in list(folder.live.values()) + list(folder.durable.values()) + named:
                if isinstance(node, File) and node.pending and id(node) not in seen:
                    seen.add(id(node))
                    files[id(node)] = node
        for node in self.fds.values():
            if isinstance(node, File) and node.pending and id(node) not in seen:
                files[id(node)] = node
        folders = [f for f in self.folders if f.pending]
        lost = ({id(n): (0, False) for n in files.values()}, {id(f): 0 for f in folders})
        kept = ({id(n): (len(n.pending), False) for n in files.values()},
                {id(f): len(f.pending) for f in folders})
        states = [lost, kept, (kept[0], lost[1]), (lost[0], kept[1])]
        for node in files.values():
            n = len(node.pending)
            counts = sorted({max(1, round(i * n / (PREFIX_SAMPLES + 1)))
                             for i in range(1, PREFIX_SAMPLES + 1)} - {n})
            partial = [(c, False) for c in counts]
            writes = [i + 1 for i, op in enumerate(node.pending) if op[0] == "w" and len(op[2]) > 1]
            if writes:
                partial.append((writes[-1], True))
                partial.append((writes[len(writes) // 2], True))
            for choice in partial:
                for background in (lost, kept):
                    picked = dict(background[0])
                    picked[id(node)] = choice
                    states.append((picked, background[1]))
        for folder in folders:
            for count in range(1, len(folder.pending)):
                for background in (lost, kept):
                    picked = dict(background[1])
                    picked[id(folder)] = count
                    states.append((background[0], picked))
        return states

    def fingerprint(self, choice, relevant):
        """A digest of what the chosen state holds at the relevant paths."""
        files, folders = choice
        digest = hashlib.sha256()
        contents = {}

        def walk(folder, path):
            for name, node in sorted(folder.entries(folders.get(id(folder), 0)).items()):
                full = path + "/" + name
                if isinstance(node, Dir):
                    walk(node, full)
                elif full in relevant:
                    pick = files.get(id(node), (0, False))
                    key = (id(node), pick)
                    if key not in contents:
                        contents[key] = hashlib.sha256(node.content(*pick)).digest()
                    digest.update(("F" + full + "\0").encode() + contents[key])

        for _, (label, root) in self.roots.items():
            walk(root, label)
        return digest.hexdigest()

    def materialise(self, choice, target):
        files, folders = choice

        def write(folder, path):
            os.makedirs(path, exist_ok=True)
            count = folders.get(id(folder), 0)
            for name, node in folder.entries(count).items():
                full = os.path.join(path, name)
                if isinstance(node, Dir):
                    write(node, full)
                else:
                    count_f, torn = files.get(id(node), (0, False))
                    with open(full, "wb") as f:
                        f.write(node.content(count_f, torn))

        for _, (label, root) in self.roots.items():
            write(root, os.path.join(target, label))


def sql_quote(text):
    return "'" + text.replace("'", "''") + "'"


def examine(target, scenario):
    """What the state's ledger answers: {"exists", "key", "integrity", checks...}."""
    ledger = os.path.join(target, scenario["ledger"])
    answers = {"exists": os.path.exists(ledger) and os.path.getsize(ledger) > 0}
    for check in scenario["checks"]:
        if "file" in check:
            path = os.path.join(target, check["file"])
            text = open(path, "rb").read().decode("utf-8", "replace") if os.path.exists(path) else ""
            answers[check["name"]] = check["contains"] in text
        if "points" in check:
            answers[check["name"]] = sound_points(os.path.join(target, check["points"]),
                                                  scenario["keys"])
    if not answers["exists"]:
        return answers
    sql_checks = [c for c in scenario["checks"] if "sql" in c]
    for key in scenario["keys"]:
        script = [f"PRAGMA key={sql_quote(key)};", ".print @@integrity", "PRAGMA integrity_check;"]
        for check in sql_checks:
            script += [f".print @@{check['name']}", check["sql"]]
        script.append(".print @@end")
        run = subprocess.run(["sqlcipher", "-batch", ledger], input="\n".join(script) + "\n",
                             capture_output=True, text=True, timeout=120)
        sections, current = {}, None
        for line in run.stdout.splitlines():
            if line.startswith("@@"):
                current = line[2:]
                sections[current] = []
            elif current is not None:
                sections[current].append(line)
        if "not a database" in run.stderr or sections.get("integrity") in (None, []):
            continue
        answers["key"] = key
        answers["integrity"] = "\n".join(sections["integrity"])
        for check in sql_checks:
            answers[check["name"]] = "\n".join(sections.get(check["name"], []))
        return answers
    return answers


def sound_points(folder, keys):
    """How many backup points in the folder open and pass integrity_check."""
    sound = 0
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    for name in names:
        if not name.endswith(".bpt"):
            continue
        for key in keys:
            run = subprocess.run(["sqlcipher", "-batch", os.path.join(folder, name)],
                                 input=f"PRAGMA key={sql_quote(key)};\nPRAGMA integrity_check;\n",
                                 capture_output=True, text=True, timeout=120)
            if run.stdout.strip() == "ok":
                sound += 1
                break
    return sound


def judge(answers, scenario, passed):
    """(opened, integrity ok, acknowledged kept, whole or none, complaints)."""
    complaints = []
    absent_ok = scenario.get("absent_until") and scenario["absent_until"] not in passed
    if not answers["exists"]:
        opened = bool(absent_ok)
        if not opened:
            complaints.append("the ledger is missing")
        acked, whole = opened, True
        for check in scenario["checks"]:
            if "file" in check and check.get("mark") in passed and not answers[check["name"]]:
                acked = False
                complaints.append(f"{check['name']}: the file lacks {check['contains']!r}")
            if "points" in check and check["mark"] in passed \
                    and answers[check["name"]] < check["count"]:
                acked = False
                complaints.append(f"{check['name']}: {answers[check['name']]} sound points")
        return opened, opened, acked, whole, complaints
    if "key" not in answers:
        return False, False, False, False, ["the ledger does not open with any key"]
    for check in scenario["checks"]:
        if "unless_key" in check and answers["key"] != check["unless_key"] \
                and not answers[check["name"]]:
            return False, False, False, False, [
                f"{check['name']}: the ledger has the key {answers['key']!r}, "
                f"the file lacks {check['contains']!r}"]
    integrity = answers["integrity"] == "ok"
    if not integrity:
        complaints.append("integrity_check: " + answers["integrity"][:200])
    acked, whole = True, True
    for check in scenario["checks"]:
        got = answers.get("key") if check.get("key") else answers.get(check["name"])
        if "unless_key" in check:
            continue
        if "file" in check:
            if check["mark"] in passed and not got:
                acked = False
                complaints.append(f"{check['name']}: the file lacks {check['contains']!r}")
            continue
        if "points" in check:
            if check["mark"] in passed and got < check["count"]:
                acked = False
                complaints.append(f"{check['name']}: {got} sound points, "
                                  f"{check['count']} acknowledged")
            continue
        if check["mark"] in passed:
            if got != check["after"]:
                acked = False
                complaints.append(f"{check['name']}: {got!r}, acknowledged {check['after']!r}")
        elif "before" in check and got not in (check["before"], check["after"]):
            whole = False
            complaints.append(f"{check['name']}: {got!r}, neither {check['before']!r} "
                              f"nor {check['after']!r}")
    return True, integrity, acked, whole, complaints


class Relevant:
    """The paths whose contents decide what a state's checks answer."""

    def __init__(self, paths, folders):
        self.paths, self.folders = paths, folders

    def __contains__(self, path):
        return path in self.paths or any(path.startswith(f) for f in self.folders)


def cut_points(records):
    """Indices of the records before which a cut is replayed, and the end."""
    points = set()
    for i, (fields, _) in enumerate(records):
        if fields[0] in ("fsync", "sync", "rename", "unlink", "rmdir", "mkdir", "link", "adopt",
                         "mark", "trunc"):
            points.add(i)
            points.add(i + 1)
    points.add(len(records))
    return sorted(points)


def replay(records, roots, scenario, model, work, keep, cache, folder_syncs):
    disk = Disk(roots, model, folder_syncs)
    points = cut_points(records)
    totals = {"model": model, "cuts": len(points), "states": 0, "opened": 0, "integrity_ok": 0,
              "acknowledged_kept": 0, "whole_or_none": 0}
    failures = 0
    relevant = {scenario["ledger"], scenario["ledger"] + "-journal", scenario["ledger"] + "-wal"}
    relevant = Relevant(relevant | {c["file"] for c in scenario["checks"] if "file" in c},
                        [c["points"] + "/" for c in scenario["checks"] if "points" in c])
    passed = set()
    at = 0
    for point in points:
        while at < point:
            fields, payload = records[at]
            if fields[0] == "mark":
                passed.add(fields[2])
            else:
                disk.apply(fields, payload)
            at += 1
        seen = set()
        for choice in disk.choices():
            target = os.path.join(work, "state")
            print_ = disk.fingerprint(choice, relevant)
            if print_ in seen:
                continue
            seen.add(print_)
            if print_ not in cache:
                shutil.rmtree(target, ignore_errors=True)
                disk.materialise(choice, target)
                cache[print_] = examine(target, scenario)
            opened, integrity, acked, whole, complaints = judge(cache[print_], scenario, passed)
            totals["states"] += 1
            totals["opened"] += opened
            totals["integrity_ok"] += integrity
            totals["acknowledged_kept"] += acked
            totals["whole_or_none"] += whole
            if complaints:
                failures += 1
                where = " ".join(records[point - 1][0][:1] + records[point - 1][0][2:4]) \
                    if point else "start"
                print(f"{model}: cut after record {point} ({where}), marks {sorted(passed)}: "
                      + "; ".join(complaints), file=sys.stderr)
                if keep:
                    shutil.rmtree(target, ignore_errors=True)
                    disk.materialise(choice, target)
                    shutil.copytree(target, os.path.join(keep, f"{model}-{point}-{failures}"))
    totals["unknown_records"] = disk.unknown
    totals["distinct"] = len(cache)
    return totals, failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--log", required=True)
    parser.add_argument("--snapshot", required=True,
                        help="folder with one subfolder per root, named by its label")
    parser.add_argument("--root", action="append", required=True, metavar="LABEL=PATH",
                        help="a tracked folder's label and its absolute path during the run")
    parser.add_argument("--scenario", required=True)
    parser.add_argument("--model", action="append", choices=["strict", "ext4"])
    parser.add_argument("--keep", help="folder to keep failing states in")
    parser.add_argument("--without-folder-syncs", action="store_true",
                        help="replay as if the program never synced a folder, "
                             "to see that the replay notices what that loses")
    parser.add_argument("--name", default="", help="the scenario's name, for the output")
    args = parser.parse_args()
    with open(args.scenario, encoding="utf-8") as f:
        scenario = json.load(f)
    roots = {}
    for item in args.root:
        label, path = item.split("=", 1)
        roots[os.path.realpath(path)] = (label, os.path.join(args.snapshot, label))
    records = read_log(args.log)
    status = 0
    cache = {}  # what a state's ledger answers, by the digest of its relevant files
    with tempfile.TemporaryDirectory() as work:
        for model in args.model or ["strict", "ext4"]:
            totals, failures = replay(records, roots, scenario, model, work, args.keep, cache,
                                      not args.without_folder_syncs)
            totals = {"scenario": args.name, **totals, "records": len(records)}
            print(json.dumps(totals), flush=True)
            status |= failures > 0
    return status


if __name__ == "__main__":
    sys.exit(main())
