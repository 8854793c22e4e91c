# Prints what Orca said, from its debug log, between the steps marked.
import re, sys

sortida = sys.argv[1]
fets = []
for linia in open(sortida + '/marques.txt'):
    hora, text = linia.rstrip('\n').split(' ', 1)
    fets.append((hora, '### ' + text))
for linia in open(sortida + '/orca.log', errors='replace'):
    m = re.match(r"(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(\{|\[|\s*$)", linia)
    if m and m.group(2).strip():
        fets.append((m.group(1), '    ' + m.group(2)))
for hora, text in sorted(fets):
    print(hora[:12], text)
