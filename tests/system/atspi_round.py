#!/usr/bin/python3
"""Plays one round of exercise 1 as a switch user or a screen reader's "activate" command does:
by AT-SPI actions alone. Checks on the way what assistive technologies find: windows that are
frames named by their captions, every key with Press and SetFocus, nothing unnamed (decoration
is left out), objects named by what they show. Prints what it did; exits non-zero on a fault.

Usage: atspi_round.py [LANGUAGE KEYS]. In Italian (the default) it writes where the keys are to the
file KEYS; in a right-to-left language it reads them and checks that each key stands where the
mirror image of the window has the Italian one, and that a screen reader meets the keys in the
Italian order, which right to left is read from the right."""

import json
import os
import sys
import time
import xml.etree.ElementTree

import pyatspi
from gi.repository import Atspi

LANGUAGE = sys.argv[1] if len(sys.argv) > 1 else 'it'
KEYS = sys.argv[2] if len(sys.argv) > 2 else None
faults = []


def translations():
    """The finished entries of the language's .ts file: (context, Italian) -> translation."""
    if LANGUAGE == 'it':
        return {}
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'translations',
                        'quantella_%s.ts' % LANGUAGE)
    found = {}
    for context in xml.etree.ElementTree.parse(path).getroot().iter('context'):
        for message in context.iter('message'):
            text = message.find('translation')
            if text is not None and text.text and text.get('type') is None:
                found[(context.findtext('name'), message.findtext('source'))] = text.text
    return found


TRANSLATED = translations()


def tr(context, text):
    return TRANSLATED.get((context, text), text)


EXERCISE = tr('Layout', "Dall'insieme ai simboli grafici")


def fault(text):
    faults.append(text)
    print("FAULT: " + text)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i): i for i in range(action.nActions)}


def nodes(node):
    yield node
    for child in node:
        yield from nodes(child)


def application():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'quantella':
                # Every read asks the program: this client runs no event loop to keep a cache current.
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
        time.sleep(0.1)
    sys.exit('FAULT: no quantella on the accessibility bus')


def frame(app, title):
    for _ in range(100):
        for child in app:
            if child.name == title and child.getState().contains(pyatspi.STATE_SHOWING):
                if child.getRole() != pyatspi.ROLE_FRAME:
                    fault('the window "%s" is a %s, not a frame' % (title, child.getRoleName()))
                return child
        time.sleep(0.1)
    sys.exit('FAULT: no window "%s"' % title)


def check_tree(window, keys):
    found = []
    for node in list(nodes(window))[1:]:
        if not node.name:
            fault('an unnamed %s in "%s"' % (node.getRoleName(), window.name))
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            found.append(node.name)
            if not {'Press', 'SetFocus'} <= set(actions(node)):
                fault('the key "%s" offers %s' % (node.name, sorted(actions(node))))
    if found != keys:
        fault('keys of "%s": %s, expected %s' % (window.name, found, keys))


# Roles by value: their names differ between releases of at-spi2-core ("push button", "button").
def find(window, role, name):
    for node in nodes(window):
        if node.getRole() == role and node.name == name:
            return node
    sys.exit('FAULT: no %s "%s" in "%s"' % (pyatspi.Atspi.role_get_name(role), name, window.name))


def places(window):
    """Each key and text of the window in reading order: its centre's distance from the window's
    middle, its top from the window's top, its width and height, in pixels on the screen. The
    results' headings share a line, which a screen reader reads in the direction of the language."""
    wx, wy, ww, _ = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    keys = []
    for node in nodes(window):
        if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL):
            x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            keys.append([2 * x + w - 2 * wx - ww, y - wy, w, h])
    return keys


def press(node):
    node.queryAction().doAction(actions(node)['Press'])
    print('pressed %s "%s"' % (node.getRoleName(), node.name))
    time.sleep(0.3)


app = application()
start = frame(app, 'SERAVINO')
check_tree(start, [tr('Layout', k) for k in [
    "Dall'insieme ai simboli grafici", "Dai simboli grafici all'insieme", 'Fino a cinque', 'Fino a dieci',
    'Oltre dieci', 'Vai', 'Reimposta', 'Esci']])
start_keys = places(start)
press(find(start, pyatspi.ROLE_PUSH_BUTTON, EXERCISE))
press(find(start, pyatspi.ROLE_PUSH_BUTTON, tr('Layout', 'Fino a cinque')))
press(find(start, pyatspi.ROLE_PUSH_BUTTON, tr('Layout', 'Vai')))

exercise = frame(app, EXERCISE)
check_tree(exercise, [tr('Layout', k) for k in ['Ricomincia', 'Conta', 'Verifica', 'Avanti', 'Esci']])
exercise_keys = places(exercise)
if KEYS and LANGUAGE == 'it':
    with open(KEYS, 'w') as out:
        json.dump([start_keys, exercise_keys], out)
elif KEYS:
    with open(KEYS) as saved:
        italian = json.load(saved)
    for name, rtl, ltr in zip(('start', 'exercise'), (start_keys, exercise_keys), italian):
        mirrored = [[-x, y, w, h] for x, y, w, h in ltr]
        print('keys and texts of the %s window, in reading order: %s; the Italian ones mirrored: %s'
              % (name, rtl, mirrored))
        if len(rtl) != len(mirrored) or any(abs(a - b) > 2 for r, m in zip(rtl, mirrored) for a, b in zip(r, m)):
            fault('the keys and texts of the %s window are not the mirror image of the Italian ones, in the '
                  'same order' % name)
objects = [child for child in find(exercise, pyatspi.ROLE_PANEL, tr('Esercizio', 'Oggetti da contare'))]
names = {child.name for child in objects}
print('counted %d objects: %s' % (len(objects), ', '.join(sorted(names))))
if not 1 <= len(objects) <= 5 or len(names) != 1 or not all('Press' in actions(o) for o in objects):
    fault('the objects to count: %s' % [(o.name, sorted(actions(o))) for o in objects])
# The first symbol by "Conta", which makes "Verifica" available, the others by pressing objects.
press(find(exercise, pyatspi.ROLE_PUSH_BUTTON, tr('Layout', 'Conta')))
for obj in objects[1:]:
    press(obj)
press(find(exercise, pyatspi.ROLE_PUSH_BUTTON, tr('Layout', 'Verifica')))
outcome = [node.name for node in nodes(exercise) if node.description == tr('Risultati', 'Esito')]
avanti = find(exercise, pyatspi.ROLE_PUSH_BUTTON, tr('Layout', 'Avanti'))
right = tr('Risultati', 'ESATTO')
print('outcome: %s; "Avanti" describes it as "%s"' % (outcome, avanti.description))
if outcome != [right] or not avanti.description.startswith(right):
    fault('the outcome read is %s, "%s"' % (outcome, avanti.description))
press(avanti)
if avanti.description:
    fault('the outcome is still described after "Avanti": "%s"' % avanti.description)
sys.exit(1 if faults else 0)
