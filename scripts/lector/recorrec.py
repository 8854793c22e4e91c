# The keys of one run: a right answer, a wrong one, "Nova pregunta", F9, an
# arrow of the options window and a whole "Operacions 60''" game. Each step
# is marked with the time, for llegir_registre.py.
import datetime, os, re, subprocess, time
import pyatspi

sortida = os.environ['SORTIDA']
marques = open(os.path.join(sortida, 'marques.txt'), 'w')

def marca(text):
    marques.write(datetime.datetime.now().strftime('%H:%M:%S.%f') + ' ' + text + '\n')
    marques.flush()

def tecles(*noms):
    subprocess.run(['xdotool', 'key', '--delay', '150'] + list(noms))
    time.sleep(2.5)

def programa():
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.name == 'trimbol':
            return app

def trobar(condicio, node):
    try:
        if condicio(node):
            return node
        for fill in node:
            trobat = trobar(condicio, fill)
            if trobat:
                return trobat
    except Exception:
        return None

def pregunta():
    # The answer box carries the question as its description.
    caixa = trobar(lambda n: n.name == 'Resposta', programa())
    return caixa.description if caixa else ''

def resultat(text):
    m = re.match(r'\s*\(?([-+]?\d+)\)?\s*([x:+\-/])\s*\(?([-+]?\d+)\)?', text)
    a, op, b = int(m.group(1)), m.group(2), int(m.group(3))
    return {'x': a * b, '+': a + b, '-': a - b, ':': a // b, '/': a // b}[op]

def escriure(nombre):
    tecles(*['minus' if c == '-' else c for c in str(nombre)], 'Return')

marca('start-up')
marca('Normal'); tecles('Return')
q = pregunta(); marca('right answer to ' + q); escriure(resultat(q))
q = pregunta(); marca('wrong answer to ' + q); escriure(99)
marca('Tab to "Nova pregunta"'); tecles('Tab', 'Tab')
marca('"Nova pregunta"'); tecles('Return')
marca('F9'); tecles('F9')
marca('F10'); tecles('F10')
marca('Tab to the arrow'); tecles('Tab', 'Tab')
marca('Space on the arrow, twice'); tecles('space'); tecles('space')
marca('Tab to "Operacions 60\'\'"'); tecles(*['Tab'] * 17)
marca('game start'); tecles('Return')
marca('Return on the prompt'); tecles('Return')
for _ in range(3):
    q = pregunta(); marca('game answer to ' + q); escriure(resultat(q))
marca('F9 in the game'); tecles('F9')
time.sleep(45)
marca('after the game'); time.sleep(8)
