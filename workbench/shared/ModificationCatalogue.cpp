#include "workbench/shared/ModificationCatalogue.h"

namespace workbench {

const std::array<Modification, ModificationCatalogue::size>& ModificationCatalogue::all()
{
    static const std::array<Modification, size> rows = {{
        {QStringLiteral("havafiltresi"), QStringLiteral("2"), QStringLiteral("Hava Filtresi"),
         QStringLiteral("Hava Filtresi")},
        {QStringLiteral("sonsusturucu"), QStringLiteral("4"), QStringLiteral("Son Susturucu"),
         QStringLiteral("Son Susturucu")},
        {QStringLiteral("katalatikiptal"), QStringLiteral("4"), QStringLiteral(" Konvertör Iptal'i"),
         QStringLiteral("       Katalitik Konvertör Iptal'i")},
        {QStringLiteral("headers"), QStringLiteral("5"), QStringLiteral("Headers"), QStringLiteral("Headers")},
        {QStringLiteral("ciptuning"), QStringLiteral("12"), QStringLiteral("Chip Tuning"),
         QStringLiteral("Chip Tuning")},
        {QStringLiteral("dereceliegzantirik"), QStringLiteral("10"), QStringLiteral("Dereceli Egzantirik"),
         QStringLiteral(" Dereceli Egzantirik")},
    }};
    return rows;
}

} // namespace workbench
