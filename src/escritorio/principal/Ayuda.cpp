#include "escritorio/principal/Ayuda.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

// Resources of a static library must be registered by name, outside any namespace.
static void RegistraRecursosAyuda() { Q_INIT_RESOURCE(ayuda); }

namespace placatec {

namespace {

const char* const kArchivos[] = {"indice",    "principal",  "archivos",       "datosgenerales", "losas",
                                 "apoyos",    "resultados", "reacciones",     "cantidades",     "pesos",
                                 "impresion", "metodo",     "verificaciones", "planilla",       "planta"};

QString LeeArchivo(const QString& archivo) {
  QFile f(archivo);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// Lower case without accents, so that "busqueda" finds "Búsqueda".
QString Normaliza(const QString& t) {
  QString d = t.normalized(QString::NormalizationForm_D).toLower();
  QString r;
  r.reserve(d.size());
  for (QChar c : d)
    if (c.category() != QChar::Mark_NonSpacing) r += c;
  return r;
}

QString TextoPlano(const QString& html) {
  QTextDocument doc;
  doc.setHtml(html);
  return doc.toPlainText();
}

}  // namespace

bool HayAyuda() {
  RegistraRecursosAyuda();
  return QFile::exists(QStringLiteral(":/ayuda/indice.html"));
}

QString PaginaAyudaDe(const QString& ventana) {
  static const std::pair<const char*, const char*> kPaginas[] = {
      {"DatosgenForm", "datosgenerales"}, {"Datoslosas2Form", "losas"}, {"DatosapoyosForm", "apoyos"},
      {"ResuForm", "resultados"},         {"ReacForm", "reacciones"},   {"MedidasForm", "cantidades"},
      {"VerifForm", "verificaciones"},    {"PlanillaForm", "planilla"}, {"frmPesosMat", "pesos"},
      {"LosPrev", "impresion"},           {"PlantaForm", "planta"}};
  for (const auto& [nombre, pagina] : kPaginas)
    if (ventana == QLatin1String(nombre)) return QStringLiteral(":/ayuda/%1.html").arg(QLatin1String(pagina));
  return QStringLiteral(":/ayuda/indice.html");
}

std::vector<PaginaAyuda> PaginasAyuda() {
  RegistraRecursosAyuda();
  std::vector<PaginaAyuda> paginas;
  static const QRegularExpression titulo(QStringLiteral("<title>(.*)</title>"));
  for (const char* nombre : kArchivos) {
    QString archivo = QStringLiteral(":/ayuda/%1.html").arg(QLatin1String(nombre));
    auto m = titulo.match(LeeArchivo(archivo));
    paginas.push_back({archivo, m.hasMatch() ? m.captured(1) : QString::fromLatin1(nombre)});
  }
  return paginas;
}

std::vector<PaginaAyuda> BuscaEnAyuda(const QString& consulta) {
  const QStringList palabras =
      Normaliza(consulta).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  std::vector<PaginaAyuda> encontradas;
  if (palabras.isEmpty()) return encontradas;
  for (const auto& p : PaginasAyuda()) {
    const QString texto = Normaliza(TextoPlano(LeeArchivo(p.archivo)) + " " + p.titulo);
    bool todas = true;
    for (const QString& w : palabras) todas = todas && texto.contains(w);
    if (todas) encontradas.push_back(p);
  }
  return encontradas;
}

VentanaAyuda::VentanaAyuda(QWidget* parent) : QWidget(parent, Qt::Window) {
  RegistraRecursosAyuda();
  setWindowTitle(QStringLiteral("Ayuda de Placatec"));
  pestanas_ = new QTabWidget;
  indice_ = new QListWidget;
  for (const auto& p : PaginasAyuda()) {
    auto* item = new QListWidgetItem(p.titulo, indice_);
    item->setData(Qt::UserRole, p.archivo);
  }
  pestanas_->addTab(indice_, QStringLiteral("Contenido"));

  auto* panelBusqueda = new QWidget;
  auto* lb = new QVBoxLayout(panelBusqueda);
  lb->addWidget(new QLabel(QStringLiteral("Palabras a buscar:")));
  busqueda_ = new QLineEdit;
  busqueda_->setClearButtonEnabled(true);
  lb->addWidget(busqueda_);
  lb->addWidget(new QLabel(QStringLiteral("Páginas que las contienen:")));
  encontradas_ = new QListWidget;
  lb->addWidget(encontradas_);
  pestanas_->addTab(panelBusqueda, QStringLiteral("Búsqueda"));

  navegador_ = new QTextBrowser;
  navegador_->setOpenLinks(true);
  navegador_->setSearchPaths({QStringLiteral(":/ayuda")});
  navegador_->document()->setDefaultStyleSheet(LeeArchivo(QStringLiteral(":/ayuda/estilo.css")));

  auto* divisor = new QSplitter;
  divisor->addWidget(pestanas_);
  divisor->addWidget(navegador_);
  divisor->setStretchFactor(1, 1);
  divisor->setSizes({220, 560});
  auto* l = new QHBoxLayout(this);
  l->setContentsMargins(4, 4, 4, 4);
  l->addWidget(divisor);
  resize(820, 560);

  auto abre = [this](QListWidgetItem* item) {
    if (item) AbrePagina(item->data(Qt::UserRole).toString());
  };
  connect(indice_, &QListWidget::itemActivated, this, abre);
  connect(indice_, &QListWidget::itemClicked, this, abre);
  connect(encontradas_, &QListWidget::itemActivated, this, abre);
  connect(encontradas_, &QListWidget::itemClicked, this, abre);
  connect(busqueda_, &QLineEdit::textChanged, this, &VentanaAyuda::Busca);
  connect(busqueda_, &QLineEdit::returnPressed, this, [this] {
    if (encontradas_->count() > 0) AbrePagina(encontradas_->item(0)->data(Qt::UserRole).toString());
  });
  AbrePagina(QStringLiteral(":/ayuda/indice.html"));
}

void VentanaAyuda::AbrePagina(const QString& archivo) {
  navegador_->setSource(QUrl(QStringLiteral("qrc") + archivo));
}

void VentanaAyuda::MuestraContenido() { MuestraPagina(QStringLiteral(":/ayuda/indice.html")); }

void VentanaAyuda::MuestraPagina(const QString& archivo) {
  pestanas_->setCurrentIndex(0);
  AbrePagina(archivo);
  show();
  raise();
  activateWindow();
}

void VentanaAyuda::MuestraBusqueda() {
  pestanas_->setCurrentIndex(1);
  show();
  raise();
  activateWindow();
  busqueda_->setFocus();
  busqueda_->selectAll();
}

void VentanaAyuda::Busca(const QString& consulta) {
  encontradas_->clear();
  for (const auto& p : BuscaEnAyuda(consulta)) {
    auto* item = new QListWidgetItem(p.titulo, encontradas_);
    item->setData(Qt::UserRole, p.archivo);
  }
}

}  // namespace placatec
