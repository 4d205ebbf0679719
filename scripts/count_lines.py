#!/usr/bin/env python3
# Counts the non-blank lines that are not only a comment in src/ and qml/
# (the code) and in tests/ and fuzz/ (the tests), and their ratio. With any
# argument it also lists the test files by size.
import os, sys, re
def count(paths, exts):
    total = 0; per = {}
    for root in paths:
        for d, _, fs in os.walk(root):
            if 'corpus' in d: continue
            for f in fs:
                if not f.endswith(exts): continue
                p = os.path.join(d, f); n = 0; inblock = False
                for line in open(p, errors='replace'):
                    t = line.strip()
                    if not t: continue
                    if inblock:
                        if '*/' in t: inblock = False
                        continue
                    if t.startswith('/*'):
                        if '*/' not in t: inblock = True
                        continue
                    if t.startswith('//') or (t.startswith('#') and not re.match(r'#\s*(include|define|if|endif|else|elif|undef|pragma)', t)):
                        continue
                    n += 1
                per[p] = n; total += n
    return total, per
code, _ = count(['src', 'qml'], ('.cpp', '.h', '.qml', '.js', '.txt'))
tests, per = count(['tests', 'fuzz'], ('.cpp', '.h', '.sh', '.txt'))
print('code', code, 'tests', tests, 'ratio %.2f' % (tests / code))
if len(sys.argv) > 1:
    for p, n in sorted(per.items(), key=lambda x: -x[1]): print(n, p)
