#include "escritorio/resultados/VerifForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"
#include "outputs/Verificaciones.h"

namespace placatec {

namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// A read-only grid whose last column says "Cumple" (blue) or "No cumple" (red).
template <std::size_t N>
Rejilla* RejillaVeredictos(QWidget* padre, const char* nombre, std::string_view titulo,
                           const std::array<std::string_view, N>& columnas,
                           const std::array<const char*, N>& formatos) {
  Rejilla* r = RejillaDeLectura(padre, nombre, titulo, columnas, formatos);
  r->DefineEstilo(QStringLiteral("Azul"), QColor(0, 0, 255));
  r->DefineEstilo(QStringLiteral("Rojo"), QColor(255, 0, 0));
  QObject::connect(r, &Rejilla::FilaPorMostrar, r, [r](int fila) {
    const int ultima = r->NumColumnas() - 1;
    r->PonEstilo(fila, ultima,
                 r->Texto(fila, ultima) == Q(kCumple) ? QStringLiteral("Azul") : QStringLiteral("Rojo"));
  });
  return r;
}

}  // namespace

VerifForm::VerifForm(Sesion& sesion, QWidget* parent) : VentanaResultado(parent), sesion_(sesion) {
  setObjectName(QStringLiteral("VerifForm"));
  setWindowTitle(Q(kTituloVerificaciones));
  setModal(false);
  setWindowIcon(IconoPrograma());

  Resumen = new QLabel(this);
  Resumen->setObjectName(QStringLiteral("Resumen"));
  QFont negrita = Resumen->font();
  negrita.setBold(true);
  Resumen->setFont(negrita);

  Bordes = RejillaVeredictos<7>(this, "Bordes", kTituloBordes, kColumnasBordes,
                                {"", "", "0.00", "0.00", "", "0.00", ""});
  Espesores = RejillaVeredictos<6>(this, "Espesores", kTituloEspesores, kColumnasEspesores,
                                   {"", "", "0.00", "0.000", "0.000", ""});
  Cortantes =
      RejillaVeredictos<4>(this, "Cortantes", kTituloCortantes, kColumnasCortantes, {"", "0.00", "0.00", ""});
  Temperatura = RejillaVeredictos<6>(this, "Temperatura", kTituloTemperatura, kColumnasTemperatura,
                                     {"", "0.000", "0.00", "0.00", "0.00", ""});
  Avisos = RejillaVeredictos<6>(this, "Avisos", kTituloAvisos, kColumnasAvisos, {"", "", "", "", "", ""});

  OKButton = new QPushButton(QStringLiteral("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setAutoDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &VerifForm::OKButton_Click);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(OKButton);
  botones->addStretch(1);

  auto* l = new QVBoxLayout(this);
  l->addWidget(Resumen);
  l->addWidget(Bordes, 2);
  l->addWidget(Espesores, 3);
  l->addWidget(Cortantes, 3);
  l->addWidget(Temperatura, 2);
  l->addWidget(Avisos, 2);
  l->addLayout(botones);
  resize(760, 900);
}

void VerifForm::Llena() {
  const TablasVerificaciones t = TablasDe(sesion_.verificaciones);
  Resumen->setText(QString::fromStdString(t.resumen));
  const bool todas = sesion_.verificaciones.LosasQueNoCumplen() == 0;
  Resumen->setStyleSheet(todas ? QStringLiteral("color: rgb(0,0,255)")
                               : QStringLiteral("color: rgb(255,0,0)"));
  for (auto [rejilla, tabla] : {std::pair{Bordes, &t.bordes},
                                {Espesores, &t.espesores},
                                {Cortantes, &t.cortantes},
                                {Temperatura, &t.temperatura},
                                {Avisos, &t.avisos}}) {
    rejilla->PonTabla(*tabla);
    rejilla->PrimeraFila();
    // Wide enough for every text shown (an edge that exceeds its section says so).
    rejilla->AnchosAlContenido();
  }
}

}  // namespace placatec
