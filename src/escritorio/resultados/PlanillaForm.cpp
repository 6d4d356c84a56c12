#include "escritorio/resultados/PlanillaForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"
#include "outputs/Planilla.h"

namespace placatec {

namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

template <std::size_t N>
Rejilla* RejillaLectura(QWidget* padre, const char* nombre, std::string_view titulo,
                        const std::array<std::string_view, N>& columnas,
                        const std::array<const char*, N>& formatos) {
  auto* r = new Rejilla(padre);
  r->setObjectName(QString::fromLatin1(nombre));
  r->PonTitulo(Q(titulo));
  std::vector<ColumnaRejilla> c;
  for (std::size_t i = 0; i < N; ++i) {
    ColumnaRejilla col(Q(columnas[i]), QString::fromLatin1(formatos[i]));
    col.soloLectura = true;
    c.push_back(col);
  }
  r->PonColumnas(c);
  return r;
}

// Every column as wide as its widest text.
void AjustaAnchos(Rejilla* r) {
  const QFontMetrics fm = r->Vista()->fontMetrics();
  for (int c = 0; c < r->NumColumnas(); ++c) {
    int ancho = r->Vista()->columnWidth(c);
    for (int f = 0; f < r->NumFilas(); ++f)
      ancho = std::max(ancho, fm.horizontalAdvance(r->TextoMostrado(f, c)) + 16);
    r->PonAnchoColumna(c, ancho);
  }
}

}  // namespace

PlanillaForm::PlanillaForm(Sesion& sesion, QWidget* parent) : QDialog(parent), sesion_(sesion) {
  setObjectName(QStringLiteral("PlanillaForm"));
  setWindowTitle(Q(kTituloPlanilla));
  setModal(false);
  setWindowIcon(IconoPrograma());

  Marcas = RejillaLectura<10>(this, "Marcas", kTituloMarcas, kColumnasPlanilla,
                              {"", "", "", "", "0.00", "", "", "0.00", "0.00", "0.00"});
  Totales = RejillaLectura<6>(this, "Totales", kTituloTotalesPlanilla, kColumnasTotalesPlanilla,
                              {"", "0.00", "0.00", "0.00", "0.00", ""});
  // The four rows of totals in sight, under the caption and three lines of column titles.
  const int linea = fontMetrics().height();
  Totales->setFixedHeight(4 * linea + 4 * (linea + 6) + 24);
  Notas = new QLabel(this);
  Notas->setObjectName(QStringLiteral("Notas"));
  Notas->setWordWrap(true);

  OKButton = new QPushButton(QStringLiteral("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setAutoDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &PlanillaForm::OKButton_Click);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(OKButton);
  botones->addStretch(1);

  auto* l = new QVBoxLayout(this);
  l->addWidget(Marcas, 4);
  l->addWidget(Totales, 0);
  l->addWidget(Notas);
  l->addLayout(botones);
  resize(900, 720);
}

void PlanillaForm::Llena() {
  const Planilla& p = sesion_.planilla;
  Marcas->PonTabla(TablaMarcas(p));
  Totales->PonTabla(TablaTotalesPlanilla(p));
  for (Rejilla* r : {Marcas, Totales}) {
    r->PrimeraFila();
    AjustaAnchos(r);
  }
  QString notas = QStringLiteral(
      "Largos entre ejes de apoyos, redondeados hacia arriba a 5 cm; barras de mas de 9 m con traslape. "
      "Calculo metrico sin desperdicio (1 qq = 100 lb).");
  for (const std::string& n : p.notas) notas += QStringLiteral("\n") + QString::fromStdString(n);
  Notas->setText(notas);
}

void PlanillaForm::Muestra() {
  Llena();
  show();
  raise();
  activateWindow();
  OKButton->setFocus();
}

void PlanillaForm::OKButton_Click() {
  hide();
  if (alRegresar) alRegresar();
}

void PlanillaForm::reject() { OKButton_Click(); }

}  // namespace placatec
