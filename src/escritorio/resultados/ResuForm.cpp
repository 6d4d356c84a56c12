#include "escritorio/resultados/ResuForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "comandos/ComandoCalculo.h"
#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"

namespace placatec {

namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// Columns wide enough for the widest text they will hold and for their caption, on
// one line when it is short.
template <std::size_t N>
std::vector<ColumnaRejilla> Columnas(const std::array<std::string_view, N>& titulos,
                                     const std::array<const char*, N>& muestras,
                                     const std::array<const char*, N>& formatos, const QFontMetrics& fm) {
  std::vector<ColumnaRejilla> c;
  for (std::size_t i = 0; i < N; ++i) {
    const QString titulo = Q(titulos[i]);
    int ancho = fm.horizontalAdvance(QString::fromUtf8(muestras[i])) + 20;
    for (const QString& palabra : titulo.split(' ', Qt::SkipEmptyParts))
      ancho = std::max(ancho, fm.horizontalAdvance(palabra) + 16);
    const int enUnaLinea = fm.horizontalAdvance(titulo.simplified()) + 16;
    if (enUnaLinea <= 100) ancho = std::max(ancho, enUnaLinea);
    ColumnaRejilla col(titulo, QString::fromUtf8(formatos[i]), ancho);
    col.soloLectura = true;
    if (titulos[i] == "Dir") col.alineacion = Qt::AlignHCenter;
    c.push_back(col);
  }
  return c;
}

// A group caption over columns desde..hasta, which are widened when the caption
// would not fit over them.
void Grupo(Rejilla* r, int desde, int hasta, const QString& titulo) {
  r->PonGrupo(desde, hasta, titulo);
  QFont negrita = r->Vista()->horizontalHeader()->font();
  negrita.setBold(true);
  const int necesario = QFontMetrics(negrita).horizontalAdvance(titulo) + 16;
  int ancho = 0;
  for (int c = desde; c <= hasta; ++c) ancho += r->Vista()->columnWidth(c);
  if (ancho >= necesario) return;
  const int extra = (necesario - ancho + (hasta - desde)) / (hasta - desde + 1);
  for (int c = desde; c <= hasta; ++c) r->PonAnchoColumna(c, r->Vista()->columnWidth(c) + extra);
}

}  // namespace

ResuForm::ResuForm(Sesion& sesion, QWidget* parent) : VentanaResultado(parent), sesion_(sesion) {
  setObjectName(QStringLiteral("ResuForm"));
  setWindowTitle(Q(kTituloResultados));
  setModal(false);
  setWindowIcon(IconoPrograma());

  auto* etiqueta = new QLabel(QStringLiteral("Proyecto:"), this);
  Nombre = new QLineEdit(this);
  Nombre->setObjectName(QStringLiteral("Nombre"));
  Nombre->setReadOnly(true);  // locked: the title is changed in the general data only
  Nombre->setFocusPolicy(Qt::ClickFocus);
  auto* fila = new QHBoxLayout;
  fila->addWidget(etiqueta);
  fila->addWidget(Nombre, 1);

  SSDBGrid1 = new Rejilla(this);
  SSDBGrid1->setObjectName(QStringLiteral("SSDBGrid1"));
  SSDBGrid1->PonTitulo(Q(kTituloVanos));
  const QFontMetrics fm = SSDBGrid1->Vista()->fontMetrics();
  SSDBGrid1->PonColumnas(Columnas<7>(kColumnasVanos,
                                     {"99", "X", "-000.00", "000.00", "ø 3/4\"", "0.00", "Simple"},
                                     {"", "", "0.00", "0.00", "", "0.00", ""}, fm));
  Grupo(SSDBGrid1, 3, 5, Q(kGrupoVanos));
  SSDBGrid1->DefineEstilo(QStringLiteral("Azul"), QColor(0, 0, 255));
  SSDBGrid1->DefineEstilo(QStringLiteral("Rojo"), QColor(255, 0, 0));
  connect(SSDBGrid1, &Rejilla::FilaPorMostrar, this, &ResuForm::EstiloFila);

  SSDBGrid2 = new Rejilla(this);
  SSDBGrid2->setObjectName(QStringLiteral("SSDBGrid2"));
  SSDBGrid2->PonTitulo(Q(kTituloApoyosRefuerzo));
  SSDBGrid2->PonColumnas(Columnas<8>(kColumnasApoyosRefuerzo,
                                     {"99", "X", "99 - 99", "-000.00", "000.00", "000.00", "ø 3/4\"", "0.00"},
                                     {"", "", "", "0.00", "0.00", "0.00", "", "0.00"}, fm));
  Grupo(SSDBGrid2, 6, 7, Q(kGrupoApoyos));

  OKButton = new QPushButton(QStringLiteral("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setAutoDefault(true);  // Enter on the button presses it
  connect(OKButton, &QPushButton::clicked, this, &ResuForm::OKButton_Click);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(OKButton);
  botones->addStretch(1);

  auto* l = new QVBoxLayout(this);
  l->addLayout(fila);
  l->addWidget(SSDBGrid1, 5);
  l->addWidget(SSDBGrid2, 3);
  l->addLayout(botones);

  // Wide enough for every column of the wider grid, without a horizontal scroll bar.
  int ancho = 0;
  for (int c = 0; c < SSDBGrid2->NumColumnas(); ++c) ancho += SSDBGrid2->Vista()->columnWidth(c);
  for (int c = 0, a = 0; c < SSDBGrid1->NumColumnas(); ++c) {
    a += SSDBGrid1->Vista()->columnWidth(c);
    ancho = std::max(ancho, a);
  }
  resize(ancho + 90, 640);
}

void ResuForm::EstiloFila(int fila) {
  const QString tipo = SSDBGrid1->Texto(fila, 6);
  SSDBGrid1->PonEstilo(fila, 6, Q(EstiloTipo(tipo.toStdString())));
}

void ResuForm::Llena() {
  Nombre->setText(QString::fromStdString(sesion_.nombreResultados));
  SSDBGrid1->PonTabla(sesion_.vanos);
  SSDBGrid2->PonTabla(sesion_.apoyosRefuerzo);
  SSDBGrid1->PrimeraFila();
  SSDBGrid2->PrimeraFila();
}

}  // namespace placatec
