#include "OpcionesCalc.h"

#include <getopt.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/Numeros.h"

namespace placatec {

namespace {

enum class Clave {
  Json,
  Verificar,
  Salida,
  SinVerificaciones,
  ConPlanilla,
  Papel,
  Apaisado,
  Margenes,
  Trabajos,
  Silencio,
  Version,
  Ayuda
};

struct Opcion {
  Clave clave;
  std::string largo;
  char corto = 0;     // 0: the long form only
  const char* valor;  // the value's name in the help; nullptr for a flag
  std::string ayuda;
  const TipoSalida* salida = nullptr;  // the output it names, for Clave::Salida
};

constexpr int kMaxTrabajos = 1024;

// Every option, in the order of the help: the outputs come from their own table.
std::vector<Opcion> Opciones(int procesadores) {
  std::vector<Opcion> o;
  o.push_back(
      {Clave::Json, "json", 0, nullptr, "Escribe un objeto JSON por proyecto, uno por línea (JSON Lines)."});
  o.push_back({Clave::Verificar, "verificar", 0, nullptr,
               "Termina con el estado 4 si una verificación del diseño no se cumple (y ningún proyecto falló "
               "de otro modo); la salida de texto lista las que no se cumplen y termina con la línea de "
               "resumen."});
  for (const TipoSalida& s : kSalidas) o.push_back({Clave::Salida, s.opcion, 0, "DESTINO", s.ayuda, &s});
  o.push_back(
      {Clave::SinVerificaciones, "sin-verificaciones", 0, nullptr,
       "El PDF sin la sección \"Verificaciones\" (el resumen de la primera página las nombra igual)."});
  o.push_back({Clave::ConPlanilla, "con-planilla", 0, nullptr,
               "El PDF con la sección \"Planilla de barras\" (las marcas y sus totales), que por omisión no "
               "lleva."});
  o.push_back({Clave::Papel, "papel", 0, "NOMBRE",
               "Papel del PDF: A4, Letter o un nombre de la lista de papeles de la vista previa (por omisión "
               "Letter)."});
  o.push_back({Clave::Apaisado, "apaisado", 0, nullptr, "PDF en orientación horizontal."});
  o.push_back({Clave::Margenes, "margenes", 0, "IZQ,DER,SUP,INF",
               "Márgenes del PDF en pulgadas, de 0 a 20 (por omisión 1,1,1,1)."});
  o.push_back({Clave::Trabajos, "jobs", 'j', "N",
               "Calcula N proyectos a la vez (por omisión uno por procesador: " +
                   std::to_string(procesadores) + "). La salida sale siempre en el orden de los archivos."});
  o.push_back({Clave::Silencio, "quiet", 'q', nullptr,
               "No escribe nada en la salida estándar ni el avance; solo los errores."});
  o.push_back({Clave::Version, "version", 0, nullptr, "Muestra la versión y termina."});
  o.push_back({Clave::Ayuda, "help", 'h', nullptr, "Muestra esta ayuda y termina."});
  return o;
}

// How the option is written in the help and in messages: "-j, --jobs N".
std::string Forma(const Opcion& o) {
  std::string f = o.corto ? std::string("-") + o.corto + ", " : std::string();
  f += "--" + o.largo;
  if (o.valor) f += std::string(" ") + o.valor;
  return f;
}

// Display width of a UTF-8 text: its code points.
std::size_t Ancho(std::string_view t) {
  return static_cast<std::size_t>(std::count_if(
      t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The text in lines of at most ancho columns, every line after the first indented.
std::string EnLineas(std::string_view texto, std::size_t sangria, std::size_t ancho) {
  std::string s, linea;
  std::size_t desde = 0;
  while (desde < texto.size()) {
    std::size_t hasta = texto.find(' ', desde);
    if (hasta == std::string_view::npos) hasta = texto.size();
    const std::string_view palabra = texto.substr(desde, hasta - desde);
    if (!linea.empty() && sangria + Ancho(linea) + 1 + Ancho(palabra) > ancho) {
      s += linea + "\n" + std::string(sangria, ' ');
      linea.clear();
    }
    if (!linea.empty()) linea += ' ';
    linea += palabra;
    desde = hasta + 1;
  }
  return s + linea + "\n";
}

// A whole number of projects at a time, or nothing.
std::optional<int> Trabajos(std::string_view t) {
  if (t.empty() || t.size() > 4 || t.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const int n = std::stoi(std::string(t));
  if (n < 1 || n > kMaxTrabajos) return std::nullopt;
  return n;
}

// The message for an argument getopt refused: unknown, ambiguous or given a value it
// does not take.
std::string Rechazada(const std::vector<Opcion>& opciones, const std::string& argumento, int codigo) {
  if (argumento.rfind("--", 0) != 0) {
    const char letra = codigo > 0 && codigo < 256 ? static_cast<char>(codigo) : '?';
    return std::string("opción desconocida: -") + letra;
  }
  const std::string nombre = argumento.substr(2, argumento.find('=') - 2);
  std::vector<std::string> posibles;
  for (const Opcion& o : opciones)
    if (o.largo == nombre)
      return "la opción --" + nombre + " no lleva valor";
    else if (o.largo.rfind(nombre, 0) == 0)
      posibles.push_back("--" + o.largo);
  if (posibles.size() > 1) {
    std::string lista;
    for (const auto& p : posibles) lista += (lista.empty() ? "" : ", ") + p;
    return "opción ambigua: --" + nombre + " (puede ser " + lista + ")";
  }
  if (posibles.size() == 1) return "la opción " + posibles.front() + " no lleva valor";
  return "opción desconocida: --" + nombre;
}

}  // namespace

LineaOrdenes LeeLineaOrdenes(int argc, char** argv, int procesadores) {
  LineaOrdenes l;
  l.ejecucion.trabajos = procesadores;
  const std::vector<Opcion> opciones = Opciones(procesadores);
  std::vector<option> largas;
  std::string cortas = "-:";  // file names returned in place; ':' marks a missing value
  for (std::size_t k = 0; k < opciones.size(); ++k) {
    const Opcion& o = opciones[k];
    const int codigo = o.corto ? o.corto : 256 + static_cast<int>(k);
    largas.push_back({o.largo.c_str(), o.valor ? required_argument : no_argument, nullptr, codigo});
    if (o.corto) cortas += std::string(1, o.corto) + (o.valor ? ":" : "");
  }
  largas.push_back({nullptr, 0, nullptr, 0});

  auto falla = [&](std::string mensaje) {
    l.accion = LineaOrdenes::Accion::Error;
    l.error = std::move(mensaje);
    return l;
  };
  std::string papel, margenes;
  bool apaisado = false;
  std::vector<Clave> dadas;
  ::opterr = 0;
  ::optind = 0;  // a fresh scan
  for (int c; (c = ::getopt_long(argc, argv, cortas.c_str(), largas.data(), nullptr)) != -1;) {
    if (c == 1) {
      l.archivos.emplace_back(::optarg);
      continue;
    }
    const std::string argumento = argv[::optind - 1];
    if (c == '?') return falla(Rechazada(opciones, argumento, ::optopt));
    if (c == ':') return falla("falta el valor de " + argumento);
    const auto it = std::find_if(opciones.begin(), opciones.end(), [&](const Opcion& o) {
      return c == (o.corto ? o.corto : 256 + static_cast<int>(&o - opciones.data()));
    });
    const Opcion& o = *it;
    const std::string valor = o.valor ? ::optarg : "";
    if (o.valor && std::find(dadas.begin(), dadas.end(), o.clave) != dadas.end() && o.clave != Clave::Salida)
      return falla("la opción --" + o.largo + " se dio dos veces");
    dadas.push_back(o.clave);
    switch (o.clave) {
      case Clave::Json:
        l.comunes.json = true;
        break;
      case Clave::Verificar:
        l.comunes.verificar = true;
        break;
      case Clave::SinVerificaciones:
        l.comunes.secciones[static_cast<std::size_t>(Seccion::Verificaciones)] = false;
        break;
      case Clave::ConPlanilla:
        l.comunes.secciones[static_cast<std::size_t>(Seccion::Planilla)] = true;
        break;
      case Clave::Salida:
        if (l.comunes.*(o.salida->destino)) return falla("la opción --" + o.largo + " se dio dos veces");
        l.comunes.*(o.salida->destino) = valor;
        break;
      case Clave::Papel:
        papel = valor;
        break;
      case Clave::Apaisado:
        apaisado = true;
        break;
      case Clave::Margenes:
        margenes = valor;
        break;
      case Clave::Trabajos:
        if (const auto n = Trabajos(valor))
          l.ejecucion.trabajos = *n;
        else
          return falla("-j espera cuántos proyectos calcular a la vez, de 1 a " +
                       std::to_string(kMaxTrabajos) + ": \"" + valor + "\"");
        break;
      case Clave::Silencio:
        l.ejecucion.silencio = true;
        break;
      case Clave::Version:
        l.accion = LineaOrdenes::Accion::Version;
        return l;
      case Clave::Ayuda:
        l.accion = LineaOrdenes::Accion::Ayuda;
        return l;
    }
  }
  for (int k = ::optind; k < argc; ++k) l.archivos.emplace_back(argv[k]);  // after "--"

  if (l.archivos.empty()) return falla("falta el nombre de un proyecto .Los");
  if (std::count(l.archivos.begin(), l.archivos.end(), "-") > 1)
    return falla("la entrada estándar (-) se lee una sola vez");
  if (l.ejecucion.silencio && l.comunes.json)
    return falla("--quiet y --json no van juntas: con --quiet no se escribe nada en la salida");
  const Resultado<ConfiguracionPagina> pagina = PaginaDeOpciones(papel, apaisado, margenes);
  if (!pagina) return falla(pagina.Mensaje());
  l.comunes.pagina = *pagina;
  return l;
}

std::string TextoAyuda(int procesadores) {
  // Built by appending: GCC 12 at -O3 warns falsely on "text" + std::string.
  constexpr std::size_t kAncho = 79, kColumna = 24;
  std::string s = "Uso: placatec-calc [OPCIONES] ARCHIVO.Los...\n";
  s += EnLineas(
      "Calcula cada proyecto de losas nombrado como el programa de escritorio tras \"Carga archivo\" y "
      "\"Calcular Refuerzo\", y escribe sus datos y sus tablas de resultados. Con \"-\" como nombre lee "
      "un proyecto de la entrada estándar.",
      0, kAncho);
  s += "\nOpciones:\n";
  for (const Opcion& o : Opciones(procesadores)) {
    std::string forma(o.corto ? 2 : 6, ' ');
    forma += Forma(o);
    const bool larga = Ancho(forma) + 2 > kColumna;  // the help starts on the next line
    if (larga) forma += '\n';
    forma.append(larga ? kColumna : kColumna - Ancho(forma), ' ');
    s += forma;
    s += EnLineas(o.ayuda, kColumna, kAncho);
  }
  s += '\n';
  s += EnLineas(
      "Un archivo escrito nunca reemplaza a un archivo leído ni a otro escrito en la misma llamada: "
      "una llamada así se rechaza antes de escribir nada.",
      0, kAncho);
  s += "\nEstado de salida (el mayor entre los proyectos):\n"
       "  0   todos los proyectos se calcularon\n"
       "  1   un archivo no se pudo cargar\n"
       "  2   un cálculo fue rechazado\n"
       "  3   no se pudo escribir un proyecto, un reporte o la salida\n"
       "  4   con --verificar: todo se calculó y se escribió, pero una verificación no\n"
       "      se cumple\n"
       "  ";
  s += std::to_string(kEstadoUso);
  s += "  error en la línea de órdenes\n";
  return s;
}

}  // namespace placatec
