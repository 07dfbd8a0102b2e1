#!/usr/bin/env python3
"""Escribe una tanda fija de líneas de velmora-calc (semilla fija) sobre todos los cálculos, con
datos corrientes y algunos en los bordes de sus intervalos. tests/cli/golden guarda la tanda y
las respuestas; la prueba «tanda_dorada» comprueba que velmora-calc responde lo mismo, byte a
byte. Si un cambio corrige a propósito una respuesta, se vuelve a escribir la salida con
   build/bin/velmora-calc tests/cli/golden/entrada.jsonl > tests/cli/golden/salida.jsonl
y se revisa la diferencia línea a línea."""
import json
import random
import sys

r = random.Random(20261207)


def elegir(*valores):
    return r.choice(valores)


def num(a, b, dec=2):
    return f"{r.uniform(a, b):.{dec}f}"


def parametros():
    p = {}
    if r.random() < 0.7:
        p["GrupoDesignacionAcero"] = r.randrange(2)
    if r.random() < 0.3:
        p["GrupoControlAcero"] = r.randrange(2)
    if r.random() < 0.6:
        p["ResistenciaCaracteristica"] = elegir("25", "30", "35", "40", "45", "50", "20", "60")
    if r.random() < 0.2:
        p["GrupoControlHormigon"] = r.randrange(2)
    if r.random() < 0.3:
        p["GrupoSituacionProyecto"] = r.randrange(2)
    tipo = r.randrange(5) if r.random() < 0.5 else 0
    if tipo:
        p["GrupoTipoElemento"] = tipo
        if tipo in (1, 3, 4) and r.random() < 0.5:
            p["ArmaduraSimetrica"] = r.random() < 0.5
            p["HormigonadoVertical"] = r.random() < 0.5
    return p


def ranura():
    return [[r.randrange(1, 9), elegir(8, 10, 12, 16, 20, 25, 32)] for _ in range(r.randrange(1, 4))]


def seccion_rect(momento=False):
    h = r.uniform(0.25, 1.2)
    d = {"Valor1": f"{h:.2f}", "Valor2": num(0.2, 0.6), "Valor3": num(0.03, 0.06, 3),
         "Valor4": num(0.03, 0.06, 3)}
    if not momento:
        if r.random() < 0.3:
            d["GrupoDatoConocido"] = 1
            d["Valor5"] = num(0.01, 1.0, 3)
        else:
            d["Valor5"] = num(0, 800, 1)
        d["Valor6"] = elegir("0", num(0, 3000, 1), num(-200, 0, 1))
    return d


def seccion_t(momento=False):
    h = r.uniform(0.4, 1.5)
    d = {"Valorh": f"{h:.2f}", "Valorhf": f"{r.uniform(0.08, 0.3):.2f}",
         "Valorb": num(0.6, 2.0), "Valorbw": num(0.2, 0.5), "Valord2": num(0.03, 0.06, 3),
         "Valord1": num(0.03, 0.06, 3)}
    if not momento:
        d["Valor5"] = num(0, 2000, 1)
        d["Valor6"] = elegir("0", num(0, 4000, 1))
    return d


def linea_seccion():
    t = r.random() < 0.35
    l = {"calculo": "seccion", "ParametrosGenerales": parametros()}
    l["DatosSeccionT" if t else "DatosSeccion"] = seccion_t() if t else seccion_rect()
    if r.random() < 0.3:
        l["VentanaResultados"] = {"DiametroTraccion": elegir("12", "16", "20", "25"),
                                  "DiametroCompresion": elegir("10", "12", "16")}
    return l


def linea_momento():
    t = r.random() < 0.3
    p = {k: v for k, v in parametros().items()
         if k not in ("GrupoTipoElemento", "ArmaduraSimetrica", "HormigonadoVertical")}
    l = {"calculo": "momento", "ParametrosGenerales": p,
         "ranuras": {"1": ranura(), "2": ranura()}}
    l["DatosSeccionT" if t else "DatosSeccion"] = seccion_t(True) if t else seccion_rect(True)
    l["VentanaMomento"] = {"Traccionada": True, "Comprimida": r.random() < 0.6}
    return l


def linea_interaccion():
    l = {"calculo": "interaccion", "ParametrosGenerales": parametros(),
         "DatosSeccion": seccion_rect(True),
         "VentanaInteraccion": {"AreaA1": num(2, 30), "AreaA2": num(0, 20)}}
    if r.random() < 0.7:
        l["combinaciones"] = [[f"C{i}", num(-500, 4000, 1), num(-300, 600, 1)]
                              for i in range(r.randrange(1, 5))]
    return l


def linea_cortante():
    t = {"CuadroCantoUtil": num(0.25, 1.0), "CuadroAncho": num(0.2, 0.6),
         "CuadroVd1": num(20, 600, 1), "CuadroVd2": num(20, 400, 1), "CuadroVd3": num(10, 300, 1)}
    if r.random() < 0.3:
        t["CuadroAlfa"] = elegir("90", "45", "60")
    if r.random() < 0.3:
        t["CuadroTeta"] = elegir("45", "30", "40")
    l = {"calculo": "cortante", "ParametrosGenerales": parametros(), "VentanaTransversal1": t,
         "ranuras": {"0": ranura()}}
    if r.random() < 0.4:
        l["VentanaResultadosTrans1"] = {"DiametroZona1": elegir("6", "8", "10"),
                                        "NumeroCercosZona1": elegir("1", "2")}
    return l


def linea_pilar():
    return {"calculo": "pilar", "VentanaTransversal2": {
        "Valor1": num(0.25, 0.8), "Valor2": num(0.25, 0.8), "Valor3": num(0.03, 0.05, 3),
        "DiametroMinimo": elegir("12", "16", "20"), "DiametroMaximo": elegir("16", "20", "25", "32")}}


def linea_flechas():
    l = {"calculo": "flechas", "ParametrosGenerales": parametros(),
         "VentanaFlechas": {"Valorh": num(0.3, 1.0), "Valorb": num(0.2, 0.5),
                            "Valord2": num(0.03, 0.05, 3), "Valord1": num(0.03, 0.05, 3),
                            "ValorMa": num(20, 400, 1)},
         "ranuras": {"1": ranura(), "2": ranura()}}
    if r.random() < 0.5:
        l["VentanaFlechas"]["GrupoTipoPieza"] = r.randrange(2)
    return l


def linea_anclaje():
    l = {"calculo": "anclaje", "VentanaLongitudAnclaje": {
        "ResistenciaCaracteristica": elegir("25", "30", "35", "40", "45", "50"),
        "GrupoDesignacionAcero": r.randrange(2), "GrupoTipoAnclaje": r.randrange(3),
        "PosicionI": True, "PosicionITraccion": r.random() < 0.7,
        "PosicionII": r.random() < 0.5, "PosicionIITraccion": r.random() < 0.5,
        "RecubrimientoHormigon": r.random() < 0.5},
        "ranuras": {"1": ranura(), "2": ranura()}}
    return l


def linea_fluencia():
    return {"calculo": "fluencia", "VentanaDeformacion": {
        "ResistenciaCaracteristica": elegir("250", "300", "350"), "Area": num(500, 5000, 0),
        "Perimetro": num(100, 400, 0), "Tension": num(20, 120, 0),
        "Tiempo01": elegir("7", "14", "28", "60"), "Tiempo02": elegir("365", "1000", "10000"),
        "GrupoMedioAmbiente": r.randrange(4)}}


def linea_retraccion():
    return {"calculo": "retraccion", "VentanaRetraccion": {
        "Edad": elegir("28", "90", "365", "3650"), "Area": num(500, 5000, 0),
        "Perimetro": num(100, 400, 0), "GrupoConsistencia": r.randrange(3),
        "GrupoMedioAmbiente": r.randrange(4)}}


def linea_acero():
    return {"calculo": "acero", "DiagramaCalculo": {
        "Valor1": elegir(num(-0.01, 0.01, 5), "0.002", "0.01", "-0.0035"),
        "GrupoDesignacionAcero": r.randrange(2), "GrupoTipoDiagrama": r.randrange(2),
        "GrupoControlAcero": r.randrange(2), "GrupoSituacionProyecto": r.randrange(2),
        "GrupoValorEs": r.randrange(3)}}


def linea_parabola():
    return {"calculo": "parabola", "VentanaParabola": {
        "ResistenciaCaracteristica": elegir("25", "30", "40"), "GrupoTipoSeccion": r.randrange(2),
        "GrupoSituacionProyecto": r.randrange(2)}}


def linea_conversion():
    return {"calculo": "conversion", "VentanaConversion": {
        "ValorOrigen": elegir(num(-1000, 1000, 3), "1", "0", "12.5"),
        "GrupoTipoConversion": r.randrange(5)}}


def linea_area():
    return {"calculo": "area", "ranuras": {"0": ranura()}}


def linea_parametros():
    return {"calculo": "parametros", "ParametrosGenerales": parametros()}


generadores = [(linea_seccion, 700), (linea_momento, 300), (linea_interaccion, 100),
               (linea_cortante, 400), (linea_pilar, 100), (linea_flechas, 200),
               (linea_anclaje, 200), (linea_fluencia, 100), (linea_retraccion, 100),
               (linea_acero, 100), (linea_parabola, 60), (linea_conversion, 60),
               (linea_area, 40), (linea_parametros, 40)]
salida = sys.stdout
for generador, n in generadores:
    for _ in range(n):
        salida.write(json.dumps(generador(), ensure_ascii=False, separators=(",", ":")) + "\n")
