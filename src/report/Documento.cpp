#include "report/Documento.h"

namespace placatec {

EstilosReporte EstilosPorDefecto() {
  EstilosReporte e;
  e[FilaHeader].tamano = 12.0;
  e[FilaHeader].negrita = true;
  e[FilaFooter].tamano = 10.0;
  e[FilaSubTitulos].tamano = 12.0;
  e[FilaSubTitulos].negrita = true;
  e[FilaTexto].tamano = 10.0;
  e[2] = e[FilaTexto];  // unused row, kept sane
  return e;
}

std::array<std::string, 3> PartesEncabezado(std::string_view texto, int pagina, int paginas) {
  std::array<std::string, 3> partes;
  std::size_t uno = texto.find('|');
  if (uno == std::string_view::npos) {
    partes[0] = texto;
  } else {
    partes[0] = texto.substr(0, uno);
    std::size_t dos = texto.find('|', uno + 1);
    if (dos == std::string_view::npos) {
      partes[1] = texto.substr(uno + 1);
    } else {
      partes[1] = texto.substr(uno + 1, dos - uno - 1);
      partes[2] = texto.substr(dos + 1);
    }
  }
  for (const auto& [marca, numero] :
       {std::pair{"%d", std::to_string(pagina)}, {"%t", std::to_string(paginas)}})
    for (std::string& p : partes)
      for (std::size_t i = p.find(marca); i != std::string::npos; i = p.find(marca, i + numero.size()))
        p.replace(i, 2, numero);
  return partes;
}

}  // namespace placatec
