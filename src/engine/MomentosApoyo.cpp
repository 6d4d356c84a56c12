#include "engine/MomentosApoyo.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "model/Numeros.h"

namespace placatec {

namespace {

bool En(int codigo, std::initializer_list<int> codigos) {
  return std::find(codigos.begin(), codigos.end(), codigo) != codigos.end();
}

}  // namespace

GrupoApoyo GrupoEnApoyo(int codigo, bool dirY) {
  if (!dirY) {
    if (En(codigo, {1, 13, 14, 15, 18, 19, 20, 21, 24, 25})) return GrupoApoyo::MomentoDado;
    if (En(codigo, {4, 5, 7, 9, 12, 16, 17, 22, 23})) return GrupoApoyo::ExtremoEmpotrado;
  } else {
    if (En(codigo, {1, 13, 14, 15, 16, 17, 18, 19, 22, 23})) return GrupoApoyo::MomentoDado;
    if (En(codigo, {4, 5, 8, 9, 12, 20, 21, 24, 25})) return GrupoApoyo::ExtremoEmpotrado;
  }
  return GrupoApoyo::ExtremoArticulado;  // 2, 3, 6, 7 or 8, 10, 11 and unknown codes
}

bool EsVoladizoEnApoyo(int codigo, bool dirY) {
  return dirY ? En(codigo, {13, 15, 17, 23}) : En(codigo, {13, 19, 21, 25});
}

void MomentosApoyo(const Proyecto& p, ResultadosCalculo& r) {
  for (int j = 1; j <= p.NumApoyos; ++j) {
    ResultadosApoyo& apoyo = r.apoyos[j];
    // "Y" or "y" is Y, any other direction X; the results say which was taken.
    const bool dirY = EsDireccionY(p.ApoyoDir[j]);
    apoyo.Dir = dirY ? 'Y' : 'X';
    const auto negativo = [&](int losa) {
      return dirY ? r.losas[losa].MomentoNegY : r.losas[losa].MomentoNegX;
    };
    const auto vano = [&](int losa) -> Single& {
      return dirY ? r.losas[losa].MomentoY : r.losas[losa].MomentoX;
    };
    const auto& luz = dirY ? p.Ly : p.Lx;
    Single& momentoApoyo = dirY ? apoyo.MomentoApoyoY : apoyo.MomentoApoyoX;

    // The rule is the same whichever slab is listed first.
    const int a = IndiceLosa(p.ApoyoLosa1[j]);
    const int b = IndiceLosa(p.ApoyoLosa2[j]);
    const float ma = negativo(a), mb = negativo(b);
    const bool voladizoA = EsVoladizoEnApoyo(p.CodigoLosa[a], dirY);
    const bool voladizoB = EsVoladizoEnApoyo(p.CodigoLosa[b], dirY);
    const bool dadoA = GrupoEnApoyo(p.CodigoLosa[a], dirY) == GrupoApoyo::MomentoDado;
    const bool dadoB = GrupoEnApoyo(p.CodigoLosa[b], dirY) == GrupoApoyo::MomentoDado;
    const auto rigidez = [&](int losa, bool dado) {
      if (dado) return 0.0f;
      const double k = GrupoEnApoyo(p.CodigoLosa[losa], dirY) == GrupoApoyo::ExtremoEmpotrado
                           ? kRigidezExtremoEmpotrado
                           : kRigidezExtremoArticulado;
      return ASingle(k / luz[losa]);
    };
    apoyo.RigidezA = rigidez(a, dadoA);
    apoyo.RigidezB = rigidez(b, dadoB);

    // A cantilever imposes its moment, and so does a slab of the given-moment group
    // when the other is not of it; two of a kind: the larger. No span changes then,
    // except that a slab that is not of the group takes the whole half-unbalance.
    if (voladizoA || voladizoB || (dadoA && dadoB)) {
      momentoApoyo = voladizoA == voladizoB ? std::max(ma, mb) : voladizoA ? ma : mb;
      continue;
    }
    if (dadoA || dadoB) {
      apoyo.FactorDistA = dadoA ? 0.0f : 1.0f;
      apoyo.FactorDistB = dadoB ? 0.0f : 1.0f;
      apoyo.DesbalanceApoyo = ASingle(static_cast<double>(ma) - mb);
      momentoApoyo = dadoA ? ma : mb;
      const int otra = dadoA ? b : a;
      vano(otra) = ASingle(vano(otra) + 0.5 * (static_cast<double>(negativo(otra)) - momentoApoyo));
      continue;
    }

    // One step of distribution: both stiffnesses here are greater than zero.
    const double ra = apoyo.RigidezA, rb = apoyo.RigidezB;
    apoyo.FactorDistA = ASingle(ra / (ra + rb));
    apoyo.FactorDistB = ASingle(rb / (ra + rb));
    apoyo.DesbalanceApoyo = ASingle(static_cast<double>(ma) - mb);
    const double fa = apoyo.FactorDistA, fb = apoyo.FactorDistB, dm = apoyo.DesbalanceApoyo;
    if (ma <= mb)
      momentoApoyo = ASingle(std::fabs(fb * dm + mb));
    else
      momentoApoyo = ASingle(std::fabs(ma - fa * dm));
    vano(a) = ASingle(vano(a) + fa * 0.5 * dm);
    vano(b) = ASingle(vano(b) - fb * 0.5 * dm);
  }
}

}  // namespace placatec
