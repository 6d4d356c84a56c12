#include "escritorio/principal/Recuerdos.h"

#include <QFileInfo>

namespace placatec {

namespace {
const QString kRecientes = QStringLiteral("archivos/recientes");
const QString kCarpeta = QStringLiteral("archivos/ultimaCarpeta");
const QString kGeometria = QStringLiteral("ventana/geometria");
}  // namespace

Recuerdos::Recuerdos(std::unique_ptr<QSettings> ajustes) : ajustes_(std::move(ajustes)) {}

QStringList Recuerdos::Recientes() const {
  QStringList lista = ajustes_->value(kRecientes).toStringList();
  lista.removeAll(QString());
  lista.removeDuplicates();
  return lista.mid(0, MaxRecientes);
}

void Recuerdos::PonRecientes(const QStringList& lista) {
  ajustes_->setValue(kRecientes, lista.mid(0, MaxRecientes));
  ajustes_->sync();
}

void Recuerdos::Anota(const QString& ruta) {
  const QFileInfo info(ruta);
  const QString absoluta = info.absoluteFilePath();
  QStringList lista = Recientes();
  lista.removeAll(absoluta);
  lista.prepend(absoluta);
  PonRecientes(lista);
  PonUltimaCarpeta(info.absolutePath());
}

void Recuerdos::Olvida(const QString& ruta) {
  QStringList lista = Recientes();
  lista.removeAll(QFileInfo(ruta).absoluteFilePath());
  PonRecientes(lista);
}

QString Recuerdos::UltimaCarpeta() const { return ajustes_->value(kCarpeta).toString(); }

void Recuerdos::PonUltimaCarpeta(const QString& carpeta) {
  ajustes_->setValue(kCarpeta, carpeta);
  ajustes_->sync();
}

QByteArray Recuerdos::Geometria() const { return ajustes_->value(kGeometria).toByteArray(); }

void Recuerdos::PonGeometria(const QByteArray& geometria) {
  ajustes_->setValue(kGeometria, geometria);
  ajustes_->sync();
}

}  // namespace placatec
