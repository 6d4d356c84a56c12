// Every file of tests/corpus/carga must load and every file of tests/corpus/rechazo
// must be refused with a message (the one tests/corpus/mensajes_rechazo.txt gives, for
// the files it names), leaving the project that was loaded before as it was.
// Each file's name is printed before it is read, so that a hang shows its culprit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "Archivos.h"
#include "InterlocutorGuion.h"
#include "comandos/ComandosArchivo.h"

namespace placatec {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Archivos(const char* carpeta) {
  std::vector<fs::path> archivos;
  for (const auto& e : fs::directory_iterator(fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus" / carpeta))
    if (e.is_regular_file()) archivos.push_back(e.path());
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

// File name -> the message that refuses it, "\r" standing for the line break.
std::map<std::string, std::string> MensajesEsperados() {
  std::map<std::string, std::string> mensajes;
  std::ifstream f(fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus/mensajes_rechazo.txt");
  std::string linea;
  while (std::getline(f, linea)) {
    const auto tab = linea.find('\t');
    if (linea.empty() || linea[0] == '#' || tab == std::string::npos) continue;
    std::string m = linea.substr(tab + 1);
    for (std::size_t i = m.find("\\r"); i != std::string::npos; i = m.find("\\r", i)) m.replace(i, 2, "\r");
    mensajes[linea.substr(0, tab)] = m;
  }
  return mensajes;
}

}  // namespace

TEST(Corpus, CadaArchivoDaElResultadoDeSuCarpeta) {
  const auto carga = Archivos("carga");
  const auto rechazo = Archivos("rechazo");
  ASSERT_GE(carga.size(), 10u);
  ASSERT_GE(rechazo.size(), 10u);

  for (const fs::path& archivo : carga) {
    std::printf("carga: %s\n", archivo.filename().c_str());
    std::fflush(stdout);
    SCOPED_TRACE(archivo.filename().string());
    auto s = std::make_unique<Sesion>();
    InterlocutorGuion ui;
    EXPECT_TRUE(CargaArchivo(*s, archivo.string(), ui));
    EXPECT_TRUE(ui.mensajes.empty()) << ui.UltimoTexto();
    EXPECT_GE(s->proyecto.NumLosas, 1);
    EXPECT_EQ(static_cast<int>(s->losas.filas.size()), s->proyecto.NumLosas);
    EXPECT_EQ(static_cast<int>(s->apoyos.filas.size()), s->proyecto.NumApoyos);
    for (int i = 1; i <= s->proyecto.NumLosas; ++i) {
      EXPECT_GE(s->proyecto.CodigoLosa[i], 1) << "losa " << i;
      EXPECT_LE(s->proyecto.CodigoLosa[i], 25) << "losa " << i;
    }
  }

  // The refused files are loaded over a project that must survive them.
  auto s = std::make_unique<Sesion>();
  InterlocutorGuion ui;
  ASSERT_TRUE(CargaArchivo(*s, carga.front().string(), ui));
  s->estado.CalculoHecho = true;
  const std::string antes = VistaSesion(*s), cargado = s->estado.NombreArchivo;
  auto mensajes = MensajesEsperados();
  ASSERT_GE(mensajes.size(), 5u);
  for (const fs::path& archivo : rechazo) {
    std::printf("rechazo: %s\n", archivo.filename().c_str());
    std::fflush(stdout);
    SCOPED_TRACE(archivo.filename().string());
    InterlocutorGuion ui2;
    EXPECT_FALSE(CargaArchivo(*s, archivo.string(), ui2));
    EXPECT_EQ(ui2.mensajes.size(), 1u) << "un archivo rechazado siempre se dice";
    if (auto m = mensajes.find(archivo.filename().string()); m != mensajes.end()) {
      EXPECT_EQ(ui2.UltimoTexto(), m->second);
      mensajes.erase(m);
    }
    EXPECT_EQ(VistaSesion(*s), antes);
    EXPECT_FALSE(s->estado.Cargando);
    EXPECT_TRUE(s->estado.CalculoHecho && s->estado.NombreArchivo == cargado);
    EXPECT_TRUE(ui2.estados.empty() || ui2.estados.back().empty());  // no status left behind
  }
  for (const auto& [nombre, mensaje] : mensajes)
    ADD_FAILURE() << nombre << " no esta en tests/corpus/rechazo";
}

}  // namespace placatec
