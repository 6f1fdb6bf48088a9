#!/usr/bin/env python3
"""Genera data/Mr.Gorbio.001: 4100 sostantivi italiani singolari, 6-10 lettere,
in maiuscolo, una parola per riga con fine riga CR LF.

Fonte: il thesaurus italiano di Debian (pacchetto mythes-it).
Solo libreria standard. Deterministico: due esecuzioni danno lo stesso file.

Uso: tools/gen-parole.py [--thesaurus FILE] [--out FILE] [--classifica FILE]
"""
import argparse
import collections
import random
import re
import sys
from pathlib import Path

RADICE = Path(__file__).resolve().parent.parent
THESAURUS = Path('/usr/share/mythes/th_it_IT_v2.dat')
USCITA = RADICE / 'data' / 'Mr.Gorbio.001'

NUM_PAROLE = 4100
SEME = 2002
ALFABETO = 'ABCDEFGHILMNOPQRSTUVZ'  # le 21 lettere italiane
FORMA = re.compile(r'^[abcdefghilmnopqrstuvz]{6,10}$')

# --- Plurali -----------------------------------------------------------------

# Maschili in -i che sono singolari (invariabili).
INVARIABILI = frozenset('''
    alcali bisturi brindisi contagiri giradischi lavapiatti robivecchi
    saliscendi viavai
'''.split())

# Plurali irregolari e nomi usati solo al plurale, non riconoscibili dalla forma.
PLURALI = frozenset('''
    assise braghe budella calzoni dintorni esequie ferie forbici frattaglie
    granaglie interiora labbra membra mutande neofite nozze occhiali
    pantaloni spezie stoviglie tenebre viveri
'''.split())

# --- Parole straniere ----------------------------------------------------------

# Grafie che in italiano non esistono (o quasi): fine in consonante, h non
# dopo c/g, ch/gh davanti ad a/o/u, q senza u, gruppi francesi o inglesi.
GRAFIE_STRANIERE = [
    ('consonante finale', re.compile(r'[^aeiou]$')),
    ('h isolata', re.compile(r'(^|[^cg])h')),
    ('ch/gh davanti a a/o/u', re.compile(r'[cg]h([aou]|$)')),
    ('q senza u', re.compile(r'q(?!q?u)')),
    ('ou, eau, -eu, -ee', re.compile(r'ou|eau|eu$|ee$')),
    ('finali francesi o inglesi', re.compile(r'(ette|elle|ille|ique|cue)$')),
    ('finali francesi in -ait/-aire/-uipe', re.compile(r'(ait|aire|uipe)$')),
]

STRANIERE = frozenset('''
    bagarre boutade brioche collage entourage equipe escamotage garage
    griffe impasse maquillage manche mousse necessaire overdose pochade
    reportage routine limousine charme paillette moquette omelette
    toilette tornado vaudeville bidonville querelle champagne brochure
    silhouette ouverture roulotte trance bolero parvenu siesta morgue
'''.split())

# --- Nomi propri ----------------------------------------------------------

NOMI_PROPRI = frozenset('''
    satana padreterno madonna messia bengodi lucifero casanova
    eldorado averno ercole ganimede vespasiano satanasso
'''.split())

# --- Parole offensive, volgari o inadatte -------------------------------------

# Insulti e dispregiativi per persone.
INSULTI = '''
    babbeo baggiano bamboccio becero bietolone bifolco bischero burino
    buzzurro cafone canaglia carogna cialtrone ciarlone ciccione citrullo
    coglione cretino deficiente demente donnaccia farabutto feccia gaglioffo
    gentaglia grassone grullo idiota imbecille lazzarone lestofante
    manigoldo marmaglia mascalzone mentecatto minchione minorato pancione
    pelandrone plebaglia scimunito sciocco scemo stronzo subnormale
    trippone villanzone zotico ciurmaglia ritardato megera racchia
    pezzente leccapiedi tirapiedi ruffiano bastardo rompiscatole
    sgualdrina tanghero teppaglia zitella sbirro carognata cretineria
    cretinata cretinismo scemenza fesseria idiozia cazzata cazzotto
    coglionata buggera schifo ciccia
'''
# Epiteti etnici, religiosi o su orientamento e disabilità.
EPITETI = '''
    giudeo zingaro zigano marrano levantino negro terrone polentone crucco
    frocio finocchio pederasta sodomita lesbica invertito checca mongoloide
    spastico storpio sciancato handicappato mulatto meticcio negriero
    menomato fascista
'''
# Sesso e prostituzione.
SESSO = '''
    prostituta puttana mignotta zoccola baldracca bagascia battona
    meretrice cortigiana mondana squillo marchetta bordello casino
    postribolo lupanare magnaccia pappone lenone erotismo orgasmo coito
    amplesso libidine lussuria pornografia genitali vagina pisello
    chiappe natiche deretano didietro sedere posteriore concubina
    adulterio stupro stupratore pedofilo incesto vergine
    pervertito maniaco preservativo mammella capezzolo lascivia
    natica gluteo chiappa frenulo tettarella bisessuale
    bisessuato fregola erezione impotenza copula mezzano succhiotto
    tresca
'''
# Escrementi e funzioni del corpo.
SCATOLOGIA = '''
    escremento sterco letame letamaio piscia pisciata pisciatoio orinatoio
    orinale vasino cesso latrina deiezione diarrea vomito rigurgito
    scoreggia flatulenza stitichezza sputacchio moccio caccola porcheria
    schifezza conato clistere lavativo catarro escreato purgante lassativo
'''
# Droghe, alcol, suicidio.
DROGHE = '''
    droga drogato eroina cocaina cocainismo morfina morfinomane oppio
    narcotico stupefacente spinello allucinogeno ubriaco ubriacone sbronza
    sbornia ubriachezza alcolista alcolizzato beone avvinazzato etilismo
    alcolismo etilista spacciatore tossico suicidio suicida capomafia
'''
OFFENSIVE = frozenset((INSULTI + EPITETI + SESSO + SCATOLOGIA + DROGHE).split())

# Aggettivi, avverbi e participi che il thesaurus marca anche come nomi
# e che il filtro per frequenza non riconosce.
ALTRE = frozenset('''
    avanti davanti domani dentro dietro niente dunque meglio troppo ancora
    essere curioso dannato creativo dovuto superfluo benvenuto brutta
    accaduto testardo cocciuto scontento estinto battuto opposto autoctono
    articolato fresco massimo pulita intimo rimanente scomparso tumefatto
    tumido puntuto amoroso nubile disonesto sedizioso
'''.split())


def leggi_thesaurus(percorso):
    """Restituisce [(voce, [(categoria, [sinonimi...]), ...]), ...]."""
    dati = percorso.read_bytes()
    prima, _, resto = dati.partition(b'\n')
    codifica = prima.decode('ascii').strip()
    codifica = {'ISO8859-15': 'iso8859_15', 'ISO-8859-15': 'iso8859_15'}.get(
        codifica, codifica)
    righe = resto.decode(codifica).replace('\r', '').split('\n')
    voci = []
    i = 0
    while i < len(righe):
        riga = righe[i]
        if not riga:
            i += 1
            continue
        voce, n = riga.rsplit('|', 1)
        n = int(n)
        sensi = []
        for riga in righe[i + 1:i + 1 + n]:
            campi = riga.split('|')
            m = re.match(r'\(([^)]*)\)', campi[0])
            etichetta = m.group(1).split(' ')[0].rstrip(',') if m else ''
            sensi.append((etichetta, [c.strip() for c in campi[1:] if c.strip()]))
        voci.append((voce, sensi))
        i += 1 + n
    if len(voci) < 10000:
        sys.exit(f'thesaurus troppo piccolo ({len(voci)} voci): formato inatteso?')
    return voci


def e_nome(etichetta):
    return etichetta.startswith('s.')


def e_plurale(parola, cat, voci_nome):
    """cat: insieme delle etichette di nome della voce."""
    maschile = any(c.startswith('s.m') for c in cat)
    femminile = any(c.startswith('s.f') or c.startswith('s.m.f') for c in cat)
    if cat and all('pl.' in c for c in cat):
        return True
    if parola in PLURALI:
        return True
    if parola.endswith('i'):
        if not femminile and parola not in INVARIABILI:
            return True
        base = parola[:-1]
        singolari = [base + 'o', base + 'io']
        if not parola.endswith('si'):       # crisi, ellissi: singolari
            singolari.append(base + 'e')
        if parola.endswith(('chi', 'ghi')):
            singolari.append(parola[:-2] + 'o')
        return any(s in voci_nome for s in singolari)
    if parola.endswith('e') and not maschile:
        base = parola[:-1]
        singolari = [base + 'a']
        if parola.endswith(('che', 'ghe')):
            singolari.append(parola[:-2] + 'a')
        return any(s in voci_nome for s in singolari)
    return False


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--thesaurus', type=Path, default=THESAURUS)
    ap.add_argument('--out', type=Path, default=USCITA)
    ap.add_argument('--classifica', type=Path,
                    help='scrive qui tutti i candidati in ordine di frequenza')
    args = ap.parse_args()

    if not args.thesaurus.exists():
        sys.exit(f'{args.thesaurus} mancante: apt-get install -y mythes-it')
    voci = leggi_thesaurus(args.thesaurus)
    sensi_di = dict(voci)
    voci_nome = {v for v, s in voci if any(e_nome(e) for e, _ in s)}

    # Quante volte una parola compare fra i sinonimi delle ALTRE voci,
    # separando i sensi di nome dagli altri (aggettivi, verbi, avverbi...).
    rif_nome = collections.Counter()
    rif_altro = collections.Counter()
    for voce, sensi in voci:
        come_nome, come_altro = set(), set()
        for etichetta, sinonimi in sensi:
            (come_nome if e_nome(etichetta) else come_altro).update(sinonimi)
        come_nome.discard(voce)
        come_altro.discard(voce)
        rif_nome.update(come_nome)
        rif_altro.update(come_altro - come_nome)

    scarti = collections.OrderedDict()

    def filtra(nome, lista, scarta):
        tenute = [p for p in lista if not scarta(p)]
        scarti[nome] = len(lista) - len(tenute)
        return tenute

    parole = sorted(sensi_di)
    totale = len(parole)
    parole = filtra('lettere o lunghezza (solo 21 lettere, 6-10)', parole,
                    lambda p: not FORMA.match(p))
    parole = filtra('non sostantivo (nessun senso s.m./s.f.)', parole,
                    lambda p: p not in voci_nome)

    def cat(p):
        return {e for e, _ in sensi_di[p] if e_nome(e)}

    # Aggettivi e participi con un raro uso come nome (debole, piccolo...):
    # citati come non-nome più del doppio (+2) che come nome.
    # Gli infiniti riflessivi (alzarsi) sono verbi.
    def soprattutto_altro(p):
        return rif_altro[p] > 2 * rif_nome[p] + 2 or p.endswith('rsi')

    parole = filtra('soprattutto aggettivo/avverbio/verbo', parole,
                    soprattutto_altro)
    parole = filtra('plurale', parole, lambda p: e_plurale(p, cat(p), voci_nome))

    def grafia_straniera(p):
        return any(r.search(p) for _, r in GRAFIE_STRANIERE)

    parole = filtra('grafia straniera', parole, grafia_straniera)
    parole = filtra('elenco parole straniere', parole, lambda p: p in STRANIERE)
    parole = filtra('elenco nomi propri', parole, lambda p: p in NOMI_PROPRI)
    parole = filtra('elenco parole offensive', parole, lambda p: p in OFFENSIVE)
    parole = filtra('elenco altre non adatte', parole, lambda p: p in ALTRE)

    # Frequenza: citazioni come nome fra i sinonimi delle altre voci, poi
    # ricchezza della voce stessa, poi ordine alfabetico.
    def ricchezza(p):
        return len({s for e, sin in sensi_di[p] if e_nome(e) for s in sin})

    parole.sort(key=lambda p: (-rif_nome[p], -ricchezza(p), p))
    if args.classifica:
        args.classifica.write_text(''.join(
            f'{i + 1}\t{p}\t{rif_nome[p]}\n' for i, p in enumerate(parole)))
    if len(parole) < NUM_PAROLE:
        sys.exit(f'solo {len(parole)} candidati, ne servono {NUM_PAROLE}')
    scarti['oltre le prime %d per frequenza' % NUM_PAROLE] = len(parole) - NUM_PAROLE
    soglia = rif_nome[parole[NUM_PAROLE - 1]]
    scelte = [p.upper() for p in parole[:NUM_PAROLE]]
    random.Random(SEME).shuffle(scelte)

    testo = ''.join(p + '\r\n' for p in scelte)
    dati = testo.encode('ascii')
    controlla(dati)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_bytes(dati)

    print(f'voci nel thesaurus: {totale}')
    for nome, n in scarti.items():
        print(f'  scartate per {nome}: {n}')
    print(f'soglia: almeno {soglia} citazioni come nome')
    print(f'scritte {len(scelte)} parole in {args.out}')


def controlla(dati):
    """Verifica il formato del file prodotto; esce con errore se non va.
    (Niente assert: con python -O sparirebbero.)"""
    def verifica(ok, messaggio):
        if not ok:
            sys.exit('ERRORE nel file generato: ' + messaggio)

    verifica(dati.endswith(b'\r\n'), 'manca CR LF finale')
    righe = dati.split(b'\r\n')[:-1]
    verifica(len(righe) == NUM_PAROLE, f'{len(righe)} righe invece di {NUM_PAROLE}')
    verifica(dati.count(b'\n') == dati.count(b'\r\n') == NUM_PAROLE,
             'fine riga non CR LF')
    verifica(b'\r' not in b''.join(righe), 'CR isolato')
    verifica(len(set(righe)) == NUM_PAROLE, 'parole duplicate')
    escluse = OFFENSIVE | STRANIERE | NOMI_PROPRI | PLURALI | ALTRE
    for r in righe:
        p = r.decode('ascii', 'replace')
        verifica(6 <= len(p) <= 10, f'lunghezza errata: {p!r}')
        verifica(set(p) <= set(ALFABETO), f'lettera non ammessa: {p!r}')
        verifica(p.lower() not in escluse, f'parola esclusa: {p!r}')


if __name__ == '__main__':
    main()
