// The batch calculator's --save and --pdf: a file that cannot be written (an empty
// name included) is told in "error", with the message the desktop shows, and always
// ends with status 3.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "Orden.h"

namespace {

namespace fs = std::filesystem;

TEST(SalvaPorLotes, UnaSalvaFallidaSeDiceEnErrorYSaleConTres) {
  const fs::path dir = fs::temp_directory_path() / ("placatec-salva-lotes-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string losa = " 1 AAAA, 4  5  .33  .1  0  0  .1 \r\n";
  std::ofstream(dir / "bien.Los", std::ios::binary) << "Techo\r\n 1  0  210  4200  .1  2  .33  .1 \r\n"
                                                    << losa;
  std::ofstream(dir / "mal.Los", std::ios::binary)  // a support on a slab 7 that is not there
      << "Techo\r\n 1  1  210  4200  .1  2  .33  .1 \r\n"
      << losa << " 1 X, 1  7 \r\n";
  const std::string sinCarpeta = (dir / "no-existe" / "x.Los").string();
  for (const auto& [archivo, salva] :
       {std::pair<const char*, std::string>{"bien.Los", "--save " + sinCarpeta},
        {"bien.Los", "--save ''"},
        {"mal.Los", "--save " + sinCarpeta},
        {"mal.Los", "--save ''"},
        {"bien.Los", "--pdf ''"}}) {
    SCOPED_TRACE(std::string(archivo) + " " + salva);
    const placatec::Salida s =
        placatec::EjecutaCalculador("--json " + (dir / archivo).string() + " " + salva);
    EXPECT_EQ(s.estado, 3);
    const auto d = nlohmann::json::parse(s.texto);
    EXPECT_EQ(d["error"], "Ilegal Nombre de Archivo");
  }
  EXPECT_FALSE(fs::exists(dir / "no-existe"));
  fs::remove_all(dir);
}

}  // namespace
