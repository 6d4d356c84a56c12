#include "comandos/GeneralesALosas.h"

#include <string>

#include "model/Numeros.h"

namespace placatec {

namespace {

struct ValorGeneral {
  TablaLosas::Cantidad cantidad;
  const char* nombre;  // as the question names it
  const char* unidad;
  Single ValoresGenerales::*valor;
};

constexpr ValorGeneral kValores[] = {
    {TablaLosas::Cantidad::Espesor, "el espesor", "m", &ValoresGenerales::espesor},
    {TablaLosas::Cantidad::CargaMuerta, "la carga muerta", "To/m2", &ValoresGenerales::cargaMuerta},
    {TablaLosas::Cantidad::CargaViva, "la carga viva", "To/m2", &ValoresGenerales::cargaViva},
};

}  // namespace

void OfreceValoresGenerales(Sesion& s, Interlocutor& ui) {
  const Proyecto& p = s.proyecto;
  const ValoresGenerales antes = s.generales.ValoresAlAbrir();
  const ValoresGenerales ahora{p.EspesorGeneral, p.CargaMuerta, p.CargaViva};
  s.generales.Anota();  // asked once
  for (const ValorGeneral& v : kValores) {
    const Single anterior = antes.*v.valor, nuevo = ahora.*v.valor;
    if (anterior == nuevo) continue;
    const int n = s.losas.LosasConValor(v.cantidad, anterior);
    if (n == 0) continue;
    const std::string unidad = std::string(" ") + v.unidad;
    const std::string losas =
        n == 1 ? "a la losa que tiene" : "a las " + std::to_string(n) + " losas que tienen";
    const std::string pregunta = "¿Aplicar " + std::string(v.nombre) + " " + Formato(nuevo, "0.000") +
                                 unidad + " (antes " + Formato(anterior, "0.000") + unidad + ") " + losas +
                                 " el valor anterior?";
    if (ui.Pregunta({pregunta, "", Icono::Pregunta, Botones::SiNo}) == Respuesta::Si)
      s.losas.CambiaValor(v.cantidad, anterior, nuevo);
  }
}

}  // namespace placatec
