#include "escritorio/resultados/PlanillaForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"
#include "outputs/Planilla.h"

namespace placatec {

PlanillaForm::PlanillaForm(Sesion& sesion, QWidget* parent) : VentanaResultado(parent), sesion_(sesion) {
  setObjectName(QStringLiteral("PlanillaForm"));
  setWindowTitle(QString::fromUtf8(kTituloPlanilla.data(), static_cast<qsizetype>(kTituloPlanilla.size())));
  setModal(false);
  setWindowIcon(IconoPrograma());

  static constexpr const char* kFormatosMarcas[] = {"", "", "", "", "0.00", "", "", "0.00", "0.00", "0.00"};
  static constexpr const char* kFormatosTotales[] = {"", "0.00", "0.00", "0.00", "0.00", ""};
  Marcas = RejillaDeLectura(this, "Marcas", kTituloMarcas, kColumnasPlanilla, kFormatosMarcas);
  Totales =
      RejillaDeLectura(this, "Totales", kTituloTotalesPlanilla, kColumnasTotalesPlanilla, kFormatosTotales);
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
    r->AnchosAlContenido();
  }
  QString notas = QString::fromStdString(ReglasPlanilla());
  for (const std::string& n : p.notas) notas += QStringLiteral("\n") + QString::fromStdString(n);
  Notas->setText(notas);
}

}  // namespace placatec
