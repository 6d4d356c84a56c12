#include "report/VistaPrevia.h"

#include <algorithm>
#include <cmath>

#include "model/Numeros.h"
#include "report/Papel.h"

namespace placatec {

const char* const VistaPrevia::kNombresBorde[5] = {"Ninguno", "Abajo", "Arriba", "Arriba y Abajo",
                                                   "Alrededor"};

std::string ToInches(double twips) {
  std::string t = Formato(twips / 1440.0, "#0.##");
  if (!t.empty() && t.back() == '.') t.pop_back();
  return t + "\"";
}

namespace {

int Entero(const std::string& texto) {
  const double v = ValorTexto(texto);
  if (!(v > -1e6 && v < 1e6)) return 0;
  return static_cast<int>(std::lround(v));
}

}  // namespace

VistaPrevia::VistaPrevia(Sesion& s, EntornoVistaPrevia& entorno, Recalculos recalculos)
    : s_(s), entorno_(entorno), recalculos_(std::move(recalculos)) {
  vp_.impresora = entorno_.ImpresoraPredeterminada();
  vp_.pagina.papel = entorno_.PapelPredeterminado(vp_.impresora);
}

void VistaPrevia::Carga() {
  UpdatePreview();
  UpdateControlBar();
  ClickRango(0);
  ayuda =
      "Para separar el texto en dos o tres secciones (izquierda, central y derecha), se coloca "
      "entre ellas el signo de barra vertical. Por ejemplo:\n\n    Edificio K1 | Viga V1| P\xC3\xA1g. %d de "
      "%t\n\n"
      "El texto puede tener varias lineas. %d es el numero de la pagina, %t el numero de paginas y %r la "
      "revision del proyecto (\"Revisi\xC3\xB3n B\"; nada si no tiene).";
  CamposEncabezado();
  entorno_.ProcesaEventos();
}

void VistaPrevia::CamposEncabezado() {
  encabezado = EncabezadoReporte(s_);
  pie = PieReporte(s_);
}

void VistaPrevia::Activa() {
  generalVisible = true;
  papelHabilitado = true;
  imprimeHabilitado = true;
  if (panel == Panel::FuenteColor) {
    // Hiding the panel gives the preview and its buttons back, or the window
    // would be left without them.
    panel = Panel::Ninguno;
    botonesHabilitados = true;
  }
  CamposEncabezado();
  for (const DefinicionSeccion& d : kSecciones)
    habilitada[static_cast<std::size_t>(d.seccion)] = SeccionHabilitada(d.seccion, s_);
  // The report is rebuilt from the data of now; the engineer goes on reading the page
  // he was on (the zoom is kept by the control).
  const int pagina = vp_.paginaMostrada;
  UpdatePreview();
  vp_.paginaMostrada = std::clamp(pagina, 1, std::max(1, vp_.NumPaginas()));
  UpdateControlBar();
  AplicaRango();
}

void VistaPrevia::UpdatePreview() {
  entorno_.Ocupado(true);
  entorno_.ProcesaEventos();

  // Printers.
  if (impresoras.empty()) impresoras = entorno_.Impresoras();
  if (impresoraSeleccionada < 0 || impresoraSeleccionada >= static_cast<int>(impresoras.size()) ||
      impresoras[static_cast<std::size_t>(impresoraSeleccionada)] != vp_.impresora) {
    auto it = std::find(impresoras.begin(), impresoras.end(), vp_.impresora);
    if (it != impresoras.end()) impresoraSeleccionada = static_cast<int>(it - impresoras.begin());
  }

  // Paper sizes the printer takes, in code order.
  papeles.clear();
  papelSeleccionado = -1;
  for (int codigo = 1; codigo <= UltimoCodigoPapel; ++codigo) {
    std::string nombre = NombrePapel(codigo);
    if (!nombre.empty() && entorno_.AdmitePapel(vp_.impresora, codigo)) papeles.push_back({nombre, codigo});
  }
  if (entorno_.AdmitePapel(vp_.impresora, PapelCustom))
    papeles.push_back({NombrePapel(PapelCustom), PapelCustom});
  for (std::size_t k = 0; k < papeles.size(); ++k)
    if (papeles[k].codigo == vp_.pagina.papel) papelSeleccionado = static_cast<int>(k);
  if (papelSeleccionado >= 0 &&
      papeles[static_cast<std::size_t>(papelSeleccionado)].codigo != vp_.pagina.papel)
    vp_.pagina.papel = papeles[static_cast<std::size_t>(papelSeleccionado)].codigo;

  // Orientation, border and margins.
  dibujoOrientacion = {orientacion == 0, orientacion == 1};
  if (borde != vp_.pagina.borde) borde = vp_.pagina.borde;
  for (std::size_t i = 0; i < 4; ++i) {
    std::string t = ToInches(vp_.pagina.margenes[i]);
    if (txtMargin[i] != t) txtMargin[i] = t;
  }

  // The document.
  entorno_.ProcesaEventos();
  OpcionesReporte opciones;
  for (std::size_t k = 0; k < NumSecciones; ++k) opciones.marcadas[k] = marcada[k] && habilitada[k];
  opciones.estilos = estilos;
  opciones.encabezado = encabezado;
  opciones.pie = pie;
  vp_.documento = Reporte().Inicia(s_, opciones, recalculos_);
  vp_.maqueta = MaquetaDocumento(vp_.documento, vp_.pagina, entorno_.Medidor());
  ++reconstrucciones;
  entorno_.ProcesaEventos();
  vp_.vista = true;
  vp_.paginaMostrada = 1;
  UpdateControlBar();  // the document is complete

  AplicaRango();
  entorno_.Ocupado(false);
}

void VistaPrevia::CambiaYReconstruye(const ConfiguracionPagina& pagina, const MarcasSecciones& marcas) {
  const ConfiguracionPagina antes = vp_.pagina;
  const MarcasSecciones marcadasAntes = marcada;
  vp_.pagina = pagina;
  marcada = marcas;
  UpdatePreview();
  const std::string angosta = PaginaDemasiadoAngosta(vp_.maqueta);
  if (angosta.empty()) return;
  vp_.pagina = antes;
  marcada = marcadasAntes;
  UpdatePreview();
  entorno_.Usuario().Avisa(angosta, kTituloVistaPrevia, Icono::Exclamacion);
}

void VistaPrevia::UpdateControlBar() {
  const int n = std::max(1, vp_.NumPaginas());
  vp_.paginaMostrada = std::clamp(vp_.paginaMostrada, 1, n);
  vp_.zoom = std::clamp(vp_.zoom, vp_.zoomMin, vp_.zoomMax);
  textoPagina =
      std::to_string(vp_.NumPaginas() ? vp_.paginaMostrada : 0) + " de " + std::to_string(vp_.NumPaginas());
  textoZoom = std::to_string(vp_.zoom);
  paginaHabilitada[0] = paginaHabilitada[1] = vp_.paginaMostrada > 1;
  paginaHabilitada[2] = paginaHabilitada[3] = vp_.paginaMostrada < vp_.NumPaginas();
  zoomHabilitado[0] = zoomHabilitado[1] = vp_.zoom > vp_.zoomMin;
  zoomHabilitado[2] = zoomHabilitado[3] = vp_.zoom < vp_.zoomMax;
  vp_.zoomPaso = vp_.zoom >= 100 ? 20 : vp_.zoom >= 50 ? 10 : 5;
}

void VistaPrevia::DescartaDocumento() {
  vp_.documento = Documento{};
  vp_.maqueta = Maqueta{};
}

void VistaPrevia::ClickImpresora(int indice) {
  if (indice < 0 || indice >= static_cast<int>(impresoras.size())) return;
  impresoraSeleccionada = indice;
  const std::string& nombre = impresoras[static_cast<std::size_t>(indice)];
  if (nombre == vp_.impresora) return;
  vp_.impresora = nombre;
  // Like a printer driver, the control falls back on the printer's own paper when
  // the new printer does not take the one in use.
  ConfiguracionPagina pagina = vp_.pagina;
  if (!entorno_.AdmitePapel(nombre, pagina.papel)) pagina.papel = entorno_.PapelPredeterminado(nombre);
  CambiaYReconstruye(pagina, marcada);
}

void VistaPrevia::ClickPapel(int indice) {
  if (indice < 0 || indice >= static_cast<int>(papeles.size())) return;
  papelSeleccionado = indice;
  const int codigo = papeles[static_cast<std::size_t>(indice)].codigo;
  if (codigo == vp_.pagina.papel) return;
  ConfiguracionPagina pagina = vp_.pagina;
  pagina.papel = codigo;
  CambiaYReconstruye(pagina, marcada);
}

void VistaPrevia::ClickOrientacion(int indice) {
  if (indice != 0 && indice != 1) return;
  orientacion = indice;
  if (vp_.pagina.orientacion == indice) return;
  entorno_.Ocupado(true);
  DescartaDocumento();
  ConfiguracionPagina pagina = vp_.pagina;
  pagina.orientacion = indice;
  CambiaYReconstruye(pagina, marcada);
  AplicaRango();
  entorno_.Ocupado(false);
}

void VistaPrevia::ClickBorde(int indice) {
  if (indice < 0 || indice > 4) return;
  borde = indice;
  if (vp_.pagina.borde == indice) return;
  entorno_.Ocupado(true);
  DescartaDocumento();
  ConfiguracionPagina pagina = vp_.pagina;
  pagina.borde = indice;
  CambiaYReconstruye(pagina, marcada);
  entorno_.Ocupado(false);
}

// The largest margin that still leaves an inch of page between it and the
// opposite one.
int VistaPrevia::MargenMaximo(int i, const ConfiguracionPagina& c) const {
  const MedidaHoja h = Hoja(c);
  const double lado = (i == 0 || i == 2) ? h.alto : h.ancho;
  const int opuesto = c.margenes[static_cast<std::size_t>((i + 2) % 4)];
  return std::max(0, static_cast<int>(lado) - opuesto - 1440);
}

void VistaPrevia::SaleMargen(int i) {
  if (i < 0 || i > 3) return;
  const std::size_t k = static_cast<std::size_t>(i);
  const double pedido = ValorTexto(txtMargin[k]) * 1440.0;
  const double v = pedido > 0 ? std::min(pedido, 1e7) : 0.0;
  const int twips = static_cast<int>(std::min<double>(std::lround(v), MargenMaximo(i, vp_.pagina)));
  if (twips == vp_.pagina.margenes[k]) {
    // The margin in force; a text that asked for something else (a negative or
    // cut value, or no number) shows what applies.
    if (std::fabs(pedido - twips) >= 0.5) txtMargin[k] = ToInches(twips);
    return;
  }
  ConfiguracionPagina pagina = vp_.pagina;
  pagina.margenes[k] = twips;
  CambiaYReconstruye(pagina, marcada);
}

void VistaPrevia::CambiaBarraMargen(int i, int posicion) {
  if (i < 0 || i > 3) return;
  const std::size_t k = static_cast<std::size_t>(i);
  double v = ValorTexto(txtMargin[k]);
  v += posicion < barraMargen[k] ? 0.1 : -0.1;
  txtMargin[k] = Recorta(Str(v));
  barraMargen[k] = posicion;
  SaleMargen(i);
}

void VistaPrevia::ClickSeccion(Seccion s, bool valor) {
  MarcasSecciones marcas = marcada;
  marcas[static_cast<std::size_t>(s)] = valor;
  CambiaYReconstruye(vp_.pagina, marcas);
}

void VistaPrevia::ClickZoom(int indice) {
  int z = vp_.zoom;
  switch (indice) {
    case 0:
      z = vp_.zoomMin;
      break;
    case 1:
      z = vp_.zoom - vp_.zoomPaso;
      break;
    case 2:
      z = vp_.zoom + vp_.zoomPaso;
      break;
    case 3:
      z = vp_.zoomMax;
      break;
    default:
      return;
  }
  vp_.zoom = std::clamp(z, vp_.zoomMin, vp_.zoomMax);
  UpdateControlBar();
}

void VistaPrevia::ClickPagina(int indice) {
  int p = vp_.paginaMostrada;
  switch (indice) {
    case 0:
      p = 1;
      break;
    case 1:
      p = vp_.paginaMostrada - 1;
      break;
    case 2:
      p = vp_.paginaMostrada + 1;
      break;
    case 3:
      p = vp_.NumPaginas();
      break;
    default:
      return;
  }
  vp_.paginaMostrada = std::clamp(p, 1, std::max(1, vp_.NumPaginas()));
  UpdateControlBar();
  if (rango == 1) desde = hasta = std::to_string(vp_.paginaMostrada);
}

void VistaPrevia::CambiaPaginaVista(int pagina) {
  vp_.paginaMostrada = std::clamp(pagina, 1, std::max(1, vp_.NumPaginas()));
  UpdateControlBar();
}

void VistaPrevia::AjustaAlAncho(int pixeles, double ppp) {
  const double hoja = Hoja(vp_.pagina).ancho * ppp / 1440.0;  // pixels at 100 %
  if (!(hoja > 0)) return;
  CambiaZoomVista(static_cast<int>(std::floor(100.0 * std::max(0, pixeles - 24) / hoja)));
}

void VistaPrevia::CambiaZoomVista(int zoom) {
  vp_.zoom = std::clamp(zoom, vp_.zoomMin, vp_.zoomMax);
  UpdateControlBar();
}

void VistaPrevia::ClickRango(int indice) {
  if (indice < 0 || indice > 2) return;
  rango = indice;
  AplicaRango();
}

void VistaPrevia::AplicaRango() {
  const int n = std::max(1, vp_.NumPaginas());
  switch (rango) {
    case 0:
      spinners[0].visible = spinners[1].visible = false;
      desde = "1";
      hasta = std::to_string(n);
      break;
    case 1:
      spinners[0].visible = spinners[1].visible = false;
      spinners[0].maximo = spinners[1].maximo = n;
      desde = hasta = std::to_string(vp_.paginaMostrada);
      break;
    default:
      spinners[0].visible = spinners[1].visible = true;
      spinners[0].maximo = spinners[1].maximo = n;
      if (Recorta(desde).empty()) desde = "1";
      if (Recorta(hasta).empty()) hasta = std::to_string(n);
      break;
  }
  spinners[1].minimo = std::clamp(Entero(desde), 1, n);
}

void VistaPrevia::EditaDesde(const std::string& texto) {
  desde = texto;
  spinners[1].minimo = std::clamp(Entero(desde), 1, std::max(1, vp_.NumPaginas()));
}

void VistaPrevia::PulsaSpinner(int cual, int paso) {
  if (cual != 0 && cual != 1) return;
  const Spinner& sp = spinners[static_cast<std::size_t>(cual)];
  std::string& texto = cual == 0 ? desde : hasta;
  const int v = std::clamp(Entero(texto) + paso, sp.minimo, std::max(sp.minimo, sp.maximo));
  if (cual == 0)
    EditaDesde(std::to_string(v));
  else
    hasta = std::to_string(v);
}

void VistaPrevia::AbrePanel(Panel p) {
  if (p == Panel::Ninguno || panel != Panel::Ninguno) return;
  paginaGuardada = vp_.paginaMostrada;
  generalVisible = false;
  papelHabilitado = imprimeHabilitado = botonesHabilitados = false;
  vp_.vista = false;
  panel = p;
}

void VistaPrevia::CierraPanel() {
  if (panel == Panel::Ninguno) return;
  if (panel == Panel::EncabezadoPie) {
    s_.estado.TituloReporte = encabezado;
    s_.estado.PieReporte = pie;
  }
  panel = Panel::Ninguno;
  generalVisible = true;
  papelHabilitado = imprimeHabilitado = botonesHabilitados = true;
  UpdatePreview();
  vp_.paginaMostrada = std::clamp(paginaGuardada, 1, std::max(1, vp_.NumPaginas()));
  UpdateControlBar();
}

void VistaPrevia::AplicaEstilo(int fila, const Estilo& e) {
  if (fila < 0 || fila >= static_cast<int>(estilos.size()) || fila == 2) return;
  estilos[static_cast<std::size_t>(fila)] = e;
}

std::optional<std::pair<int, int>> VistaPrevia::Imprime(Interlocutor& u) const {
  const int n = vp_.NumPaginas();
  const std::string d = Recorta(desde), h = Recorta(hasta);
  const int a = Entero(d), b = Entero(h);
  if (n < 1) {
    u.Avisa("No hay paginas que imprimir.", std::string(kTituloVistaPrevia), Icono::Exclamacion);
    return std::nullopt;
  }
  if (!EsNumero(d) || !EsNumero(h) || a < 1 || b < 1 || a > n || b > n) {
    u.Avisa("Las paginas a imprimir deben estar entre 1 y " + std::to_string(n) + ".",
            std::string(kTituloVistaPrevia), Icono::Exclamacion);
    return std::nullopt;
  }
  if (a > b) {
    u.Avisa("La pagina \"Desde\" no puede ser mayor que la pagina \"Hasta\".",
            std::string(kTituloVistaPrevia), Icono::Exclamacion);
    return std::nullopt;
  }
  return std::make_pair(a, b);
}

const Pagina* VistaPrevia::PaginaMostrada() const {
  if (vp_.paginaMostrada < 1 || vp_.paginaMostrada > vp_.NumPaginas()) return nullptr;
  return &vp_.maqueta.paginas[static_cast<std::size_t>(vp_.paginaMostrada - 1)];
}

}  // namespace placatec
