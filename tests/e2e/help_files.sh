#!/usr/bin/env bash
# Checks the help: every page is in the help project, its contents and the compiled help.chm; every
# link, anchor and picture of the pages, the contents and the index leads somewhere; every picture
# in help/images is shown by some page.
set -euo pipefail
bin=$1
tests=$2
help=$(cd "$tests/../help" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v python3 >/dev/null || { echo "SKIP: python3 is missing"; exit 0; }

python3 - "$help" <<'EOF' || fail "help pages"
import html.parser, os, re, sys

help_dir = sys.argv[1]
pages = sorted(f for f in os.listdir(help_dir) if f.endswith(".html"))
problems = []

class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.refs, self.ids, self.locals = [], set(), []
    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "href" in a:
            self.refs.append(a["href"])
        if tag in ("img", "link") and ("src" in a or "href" in a):
            self.refs.append(a.get("src") or a.get("href"))
        if tag == "param" and a.get("name") == "Local":
            self.locals.append(a["value"])

def parse(name):
    p = Links()
    with open(os.path.join(help_dir, name), encoding="utf-8") as f:
        p.feed(f.read())
    return p

parsed = {name: parse(name) for name in pages}
used_images = set()

def check(origin, ref):
    if re.match(r"^[a-z]+:", ref):
        problems.append(f"{origin}: links outside the help: {ref}")
        return
    target, _, anchor = ref.partition("#")
    target = target or origin
    if not os.path.exists(os.path.join(help_dir, target)):
        problems.append(f"{origin}: {ref} does not exist")
        return
    if target.startswith("images/"):
        used_images.add(target)
    if anchor and anchor not in parsed.get(target, Links()).ids:
        problems.append(f"{origin}: no anchor {ref}")

for name, p in parsed.items():
    for ref in p.refs:
        check(name, ref)

project = open(os.path.join(help_dir, "prismara.hhp"), encoding="utf-8").read()
listed = project.split("[FILES]", 1)[1].split()
for name in pages:
    if name not in listed:
        problems.append(f"prismara.hhp does not list {name}")
for aux in ("prismara.hhc", "prismara.hhk"):
    p = parse(aux)
    for ref in p.locals:
        check(aux, ref)
    if aux == "prismara.hhc":
        for name in pages:
            if name not in p.locals:
                problems.append(f"the contents do not list {name}")

images = {"images/" + f for f in os.listdir(os.path.join(help_dir, "images")) if f.endswith(".png")}
for img in sorted(images - used_images):
    problems.append(f"{img} is shown by no page")

for p in problems:
    print(p, file=sys.stderr)
sys.exit(1 if problems else 0)
EOF

chm="$bin/help.chm"
if [ ! -f "$chm" ]; then
  command -v chmcmd >/dev/null && fail "chmcmd is installed but the build made no help.chm"
  echo "SKIP: no help.chm (chmcmd is missing)"
else
  [ "$(head -c 4 "$chm")" = "ITSF" ] || fail "help.chm is not a compiled help file"
  # The file directory of a compiled help file holds the names of its files in plain text.
  for f in "$help"/*.html "$help"/help.css "$help"/images/*.png; do
    [ -e "$f" ] || continue
    name=/${f#"$help"/}
    grep -aqF "$name" "$chm" || fail "help.chm lacks $name"
  done
fi
echo "e2e help_files: ok"
