#pragma once
// What the desktop program remembers from one run to the next, in its settings
// (QSettings): the last projects opened or saved, the folder of the last file chosen
// and the main window's size and position.
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace placatec {

class Recuerdos {
 public:
  static constexpr int MaxRecientes = 4;

  explicit Recuerdos(std::unique_ptr<QSettings> ajustes);

  // The last projects, the latest first; at most MaxRecientes.
  QStringList Recientes() const;
  // A project just opened or saved: it goes to the top of the list (once), and its
  // folder becomes the last folder used.
  void Anota(const QString& ruta);
  // A project that could not be opened leaves the list.
  void Olvida(const QString& ruta);

  // The folder the file dialogs start in; empty when none was used yet.
  QString UltimaCarpeta() const;
  void PonUltimaCarpeta(const QString& carpeta);

  QByteArray Geometria() const;
  void PonGeometria(const QByteArray& geometria);

 private:
  void PonRecientes(const QStringList& lista);
  std::unique_ptr<QSettings> ajustes_;
};

}  // namespace placatec
