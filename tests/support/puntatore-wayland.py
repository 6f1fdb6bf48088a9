#!/usr/bin/python3
# Un mouse per il compositore Wayland senza schermo delle prove: un puntatore virtuale
# (zwlr_virtual_pointer_v1) che resta collegato finche' lo standard input resta aperto.
# Comandi, uno per riga: "clic X Y" (tasto sinistro nel punto X,Y dello schermo LxA dato
# all'avvio). Scrive "pronto" quando il puntatore esiste, "fatto" dopo ogni comando.
# Senza librerie di sviluppo: libwayland-client con ctypes, il protocollo scritto qui.
# Uso: puntatore-wayland.py LARGHEZZA ALTEZZA
import ctypes as C
import sys
import time

W = C.CDLL("libwayland-client.so.0")


class Messaggio(C.Structure):
    pass


class Interfaccia(C.Structure):
    pass


Messaggio._fields_ = [("name", C.c_char_p), ("signature", C.c_char_p), ("types", C.POINTER(C.POINTER(Interfaccia)))]
Interfaccia._fields_ = [("name", C.c_char_p), ("version", C.c_int), ("method_count", C.c_int),
                        ("methods", C.POINTER(Messaggio)), ("event_count", C.c_int), ("events", C.POINTER(Messaggio))]
Argomento = C.c_uint64 * 8


def interfaccia(nome, versione, richieste):
    i = Interfaccia()
    messaggi = (Messaggio * len(richieste))()
    tenuti = []
    for m, (n, firma, tipi) in zip(messaggi, richieste):
        t = (C.POINTER(Interfaccia) * max(1, len(tipi)))(*tipi)
        tenuti.append(t)
        m.name, m.signature, m.types = n.encode(), firma.encode(), C.cast(t, C.POINTER(C.POINTER(Interfaccia)))
    i.name, i.version, i.method_count, i.methods = nome.encode(), versione, len(richieste), messaggi
    i.tenuti = (messaggi, tenuti)
    return i


NULLA = C.POINTER(Interfaccia)()
# l'ordine delle richieste e' quello del protocollo: e' il loro numero
puntatore_v1 = interfaccia("zwlr_virtual_pointer_v1", 1, [
    ("motion", "uff", [NULLA] * 3), ("motion_absolute", "uuuuu", [NULLA] * 5), ("button", "uuu", [NULLA] * 3),
    ("axis", "uuf", [NULLA] * 3), ("frame", "", []), ("axis_source", "u", [NULLA]), ("axis_stop", "uu", [NULLA] * 2),
    ("axis_discrete", "uufi", [NULLA] * 4), ("destroy", "", [])])
seat = Interfaccia.in_dll(W, "wl_seat_interface")
gestore_v1 = interfaccia("zwlr_virtual_pointer_manager_v1", 1, [
    ("create_virtual_pointer", "?on", [C.pointer(seat), C.pointer(puntatore_v1)]), ("destroy", "", [])])
registro_i = Interfaccia.in_dll(W, "wl_registry_interface")

W.wl_display_connect.restype = C.c_void_p
W.wl_display_connect.argtypes = [C.c_char_p]
W.wl_proxy_marshal_array_constructor.restype = C.c_void_p
W.wl_proxy_marshal_array_constructor.argtypes = [C.c_void_p, C.c_uint32, C.c_void_p, C.c_void_p]
W.wl_proxy_marshal_array.argtypes = [C.c_void_p, C.c_uint32, C.c_void_p]
W.wl_proxy_add_listener.argtypes = [C.c_void_p, C.c_void_p, C.c_void_p]
W.wl_display_roundtrip.argtypes = [C.c_void_p]

schermo = W.wl_display_connect(None)
if not schermo:
    sys.exit("puntatore-wayland: nessun compositore")
registro = W.wl_proxy_marshal_array_constructor(schermo, 1, Argomento(), C.byref(registro_i))
trovato = []
GLOBALE = C.CFUNCTYPE(None, C.c_void_p, C.c_void_p, C.c_uint32, C.c_char_p, C.c_uint32)
TOLTO = C.CFUNCTYPE(None, C.c_void_p, C.c_void_p, C.c_uint32)


@GLOBALE
def globale(_dati, _registro, nome, interf, _versione):
    if interf == b"zwlr_virtual_pointer_manager_v1":
        trovato.append(nome)


@TOLTO
def tolto(_dati, _registro, _nome):
    pass


ascoltatore = (C.c_void_p * 2)(C.cast(globale, C.c_void_p), C.cast(tolto, C.c_void_p))
W.wl_proxy_add_listener(registro, ascoltatore, None)
W.wl_display_roundtrip(schermo)
if not trovato:
    sys.exit("puntatore-wayland: il compositore non offre puntatori virtuali")
# wl_registry.bind(nome, interfaccia, versione, nuovo oggetto)
a = Argomento(trovato[0], C.cast(C.c_char_p(b"zwlr_virtual_pointer_manager_v1"), C.c_void_p).value, 1, 0)
gestore = W.wl_proxy_marshal_array_constructor(registro, 0, a, C.byref(gestore_v1))
puntatore = W.wl_proxy_marshal_array_constructor(gestore, 0, Argomento(0, 0), C.byref(puntatore_v1))
W.wl_display_roundtrip(schermo)
larghezza, altezza = int(sys.argv[1]), int(sys.argv[2])


def adesso():
    return int(time.monotonic() * 1000) & 0xFFFFFFFF


def invia(codice, *valori):
    W.wl_proxy_marshal_array(puntatore, codice, Argomento(*valori))


def fotogramma():
    invia(4)
    W.wl_display_roundtrip(schermo)


print("pronto", flush=True)
for riga in sys.stdin:
    parti = riga.split()
    if len(parti) == 3 and parti[0] == "clic":
        invia(1, adesso(), int(parti[1]), int(parti[2]), larghezza, altezza)
        fotogramma()
        time.sleep(0.15)
        # BTN_LEFT di linux/input-event-codes.h, premuto e lasciato
        for stato in (1, 0):
            invia(2, adesso(), 0x110, stato)
            fotogramma()
            time.sleep(0.08)
    print("fatto", flush=True)
