#pragma once
// A project for the report tests, filled by hand: slabs, supports and the result
// tables in the column layout of the results, reactions and quantities windows.
#include <cmath>
#include <string>

#include "comandos/Sesion.h"
#include "model/Numeros.h"
#include "report/Maquetacion.h"

namespace placatec::ejemplo {

inline Celda C(const std::string& t) { return {t, std::nullopt}; }
inline Celda N(double v, const char* formato = "0.00") { return {Formato(v, formato), v}; }

inline void Llena(Sesion& s, int losas, int apoyos, bool calculado = true) {
  Proyecto& p = s.proyecto;
  p.Titulo = "Edificio K1";
  s.estado.TituloReporte = "Edificio K1";
  p.NumLosas = static_cast<Integer>(losas);
  p.NumApoyos = static_cast<Integer>(apoyos);
  p.NumApoyosReac = static_cast<Integer>(apoyos);
  s.estado.CalculoHecho = calculado;
  const char* bordes[4] = {"AAAA", "AEAE", "AANA", "EEEE"};
  s.vanos.Vacia();
  s.medidas.tabla.Vacia();
  for (int i = 1; i <= losas; ++i) {
    p.Lx[i] = ASingle(3.0 + (i % 4) * 0.5);
    p.Ly[i] = ASingle(4.0 + (i % 3) * 0.5);
    p.EspesorLosa[i] = 0.12f;
    p.Bordes[i] = bordes[i % 4];
    p.CargaMuertaVano[i] = 0.36f;
    p.CargaVivaVano[i] = 0.2f;
    p.CargaMuertaVuelo[i] = 0.15f;
    p.CargaVivaVuelo[i] = 0.1f;
    ResultadosLosa& l = s.resultados.losas[static_cast<std::size_t>(i)];
    l.AreaX = ASingle(2.5 + i % 5);
    l.AreaY = ASingle(-(1.5 + i % 3));
    l.SeparX = 0.25f;
    l.SeparY = 0.3f;
    s.vanos.filas.push_back({C(std::to_string(i)), C("X"), N(1.0 + i * 0.01), N(std::fabs(l.AreaX)),
                             C("\xC3\xB8 3/8\""), N(0.25), C("Simple")});
    s.vanos.filas.push_back(
        {C(""), C("Y"), N(-0.5 - i * 0.01), N(std::fabs(l.AreaY)), C("\xC3\xB8 3/8\""), N(0.3), C("Doble")});
    s.medidas.tabla.filas.push_back(
        {C(std::to_string(i)), N(p.Lx[i] * p.Ly[i] * 0.12), N(1.07), N(0.5), N(0), N(1.57), N(1.23)});
  }
  s.medidas.totales = {"  24.00", "10.70", "5.00", "0.00", "15.70", "0.65"};
  s.apoyosRefuerzo.Vacia();
  s.reacciones.filas.clear();
  for (int j = 1; j <= apoyos; ++j) {
    p.ApoyoDir[j] = j % 2 ? "X" : "Y";
    p.ApoyoLosa1[j] = ASingle(j);
    p.ApoyoLosa2[j] = ASingle(j % losas + 1);
    p.ApoyoDescripcion[j] = "Apoyo " + std::to_string(j);
    const bool adicional = j % 3 != 0;
    s.apoyosRefuerzo.filas.push_back({C(std::to_string(j)), C(p.ApoyoDir[j]),
                                      C(TextoNumero(p.ApoyoLosa1[j]) + " - " + TextoNumero(p.ApoyoLosa2[j])),
                                      N(-1.5 - j * 0.01), N(3.2), N(2.84),
                                      C(adicional ? "\xC3\xB8 3/8\"" : "---"), adicional ? N(0.3) : C("")});
    s.reacciones.filas.push_back({std::to_string(j), p.ApoyoDescripcion[j], p.ApoyoDir[j],
                                  TextoNumero(p.ApoyoLosa1[j]), TextoNumero(p.ApoyoLosa2[j]), "0.667",
                                  "0.370", "1.563"});
  }
}

// Measures text with fixed metrics: every character half a size wide, lines 1.2
// sizes high (in twips: a point is 20 twips).
class MedidorFijo : public MedidorTexto {
 public:
  double Ancho(const Estilo& e, std::string_view t) const override {
    double n = 0;
    for (unsigned char c : t)
      if ((c & 0xC0) != 0x80) ++n;
    return n * e.tamano * 10.0;
  }
  double AltoLinea(const Estilo& e) const override { return e.tamano * 24.0; }
};

}  // namespace placatec::ejemplo
