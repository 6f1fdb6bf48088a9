#!/usr/bin/python3
# Le scritte delle finestre aperte, come le legge un lettore di schermo dal bus dell'accessibilita':
# una per riga, appena ce n'e' almeno una (esce con 1 se in 15 secondi non ne compare nessuna).
import sys
import time

import pyatspi


def scritte(nodo, profondita=0):
    if nodo is None or profondita > 12:
        return []
    try:
        trovate = [nodo.name] if nodo.getRole() == pyatspi.ROLE_LABEL and nodo.name else []
        for i in range(nodo.childCount):
            trovate += scritte(nodo.getChildAtIndex(i), profondita + 1)
        return trovate
    except Exception:  # una finestra che si chiude mentre la si legge
        return []


fine = time.time() + 15
while time.time() < fine:
    desktop = pyatspi.Registry.getDesktop(0)
    trovate = [s for i in range(desktop.childCount) for s in scritte(desktop.getChildAtIndex(i))]
    if trovate:
        print("\n".join(trovate))
        sys.exit(0)
    time.sleep(0.3)
sys.exit(1)
