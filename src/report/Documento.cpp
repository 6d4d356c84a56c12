#include "report/Documento.h"

#include <charconv>

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

namespace {

std::vector<std::string> Separa(std::string_view s, char separador) {
  std::vector<std::string> partes;
  std::size_t inicio = 0;
  for (;;) {
    std::size_t p = s.find(separador, inicio);
    if (p == std::string_view::npos) {
      partes.emplace_back(s.substr(inicio));
      return partes;
    }
    partes.emplace_back(s.substr(inicio, p - inicio));
    inicio = p + 1;
  }
}

ColumnaTabla ParseaColumna(std::string_view definicion) {
  ColumnaTabla c;
  std::size_t i = 0;
  while (i < definicion.size() && definicion[i] == ' ') ++i;
  if (i < definicion.size()) {
    switch (definicion[i]) {
      case '<':
        c.alineacion = Alineacion::Izquierda;
        ++i;
        break;
      case '^':
        c.alineacion = Alineacion::Centro;
        ++i;
        break;
      case '>':
        c.alineacion = Alineacion::Derecha;
        ++i;
        break;
      default:
        break;
    }
  }
  while (i < definicion.size() && (definicion[i] == '_' || definicion[i] == ' ')) ++i;
  int ancho = 0;
  auto r = std::from_chars(definicion.data() + i, definicion.data() + definicion.size(), ancho);
  if (r.ec == std::errc() && ancho > 0 && ancho <= 1440 * 100) c.ancho = ancho;
  return c;
}

}  // namespace

std::vector<ColumnaTabla> ParseaFormato(std::string_view formato) {
  std::vector<ColumnaTabla> columnas;
  if (formato.empty()) return columnas;
  for (const std::string& definicion : Separa(formato, '|')) columnas.push_back(ParseaColumna(definicion));
  return columnas;
}

std::vector<std::string> ParseaEncabezado(std::string_view encabezado) {
  if (encabezado.empty()) return {};
  return Separa(encabezado, '|');
}

std::vector<std::vector<std::string>> ParseaCuerpo(std::string_view cuerpo) {
  std::vector<std::vector<std::string>> filas;
  if (cuerpo.empty()) return filas;
  std::vector<std::string> textos = Separa(cuerpo, ';');
  if (textos.back().empty()) textos.pop_back();
  for (const std::string& t : textos) filas.push_back(Separa(t, '|'));
  return filas;
}

std::string CeldaSegura(std::string_view texto) {
  std::string s;
  s.reserve(texto.size());
  for (char c : texto) {
    if (c == '|')
      s += "\xC2\xA6";  // broken bar
    else if (c == ';')
      s += "\xCD\xBE";  // Greek question mark, drawn as ';'
    else
      s += c;
  }
  return s;
}

std::array<std::string, 3> PartesEncabezado(std::string_view texto, int pagina) {
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
  const std::string numero = std::to_string(pagina);
  for (std::string& p : partes) {
    for (std::size_t i = p.find("%d"); i != std::string::npos; i = p.find("%d", i + numero.size()))
      p.replace(i, 2, numero);
  }
  return partes;
}

}  // namespace placatec
