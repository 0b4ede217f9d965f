#include "import/ndfl2_selection.h"

#include <cstddef>

namespace kvz {

namespace {

bool SameCertificate(const Ndfl2Certificate& a, const Ndfl2Certificate& b) {
    return a.Agent.Inn == b.Agent.Inn && a.Agent.Kpp == b.Agent.Kpp && a.Number == b.Number && a.Sign == b.Sign;
}

}  // namespace

std::vector<Ndfl2Fate> CertificateFates(const std::vector<const Ndfl2Certificate*>& certificates) {
    const std::size_t n = certificates.size();
    std::vector<Ndfl2Fate> fates(n, Ndfl2Fate::Superseded);
    for (std::size_t i = 0; i < n; ++i) {
        // The first of the highest corrections of its number stands for all of them.
        bool latest = true;
        for (std::size_t j = 0; j < n && latest; ++j) {
            if (j == i || !SameCertificate(*certificates[i], *certificates[j])) continue;
            const int mine = certificates[i]->Correction, theirs = certificates[j]->Correction;
            if (theirs > mine || (theirs == mine && j < i)) latest = false;
        }
        if (!latest) continue;
        if (certificates[i]->Correction == kNdfl2Annulled) {
            fates[i] = Ndfl2Fate::Annulled;
            for (std::size_t j = 0; j < n; ++j)
                if (SameCertificate(*certificates[i], *certificates[j])) fates[j] = Ndfl2Fate::Annulled;
        } else {
            fates[i] = certificates[i]->Sign == kNdfl2NotWithheld ? Ndfl2Fate::NotWithheld : Ndfl2Fate::Take;
        }
    }
    return fates;
}

const char* FateReason(Ndfl2Fate fate) {
    switch (fate) {
        case Ndfl2Fate::Superseded: return "заменена более поздней корректировкой";
        case Ndfl2Fate::Annulled: return "аннулирована агентом (номер корректировки 99)";
        case Ndfl2Fate::NotWithheld:
            return "сообщение о невозможности удержать налог (признак 2): доход уже входит в справку с признаком 1, "
                   "не добавлена";
        case Ndfl2Fate::Take: break;
    }
    return "";
}

}  // namespace kvz
