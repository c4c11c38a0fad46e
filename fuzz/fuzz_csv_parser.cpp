// Any bytes as a CSV client list: decoding (Big5 or UTF-8 with a byte-order
// mark), parsing and building records must hold up, and every line is either
// imported or rejected.
#include "big5_text.h"
#include "client_csv.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk;
    const QString text =
        DecodeClientText(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    ClientList list;
    int32_t nextId = 1;
    const ClientCsvParse parse = ParseClientCsv(text, list, nextId, int(size % 2));
    if (qsizetype(list.size()) != parse.accepted) std::abort();
    for (const auto& r : list) {
        // An accepted record always has a birth date inside the lunar table.
        if (r.lunarMonth < 1 || r.lunarMonth > 12 || r.hourIndex < 0 || r.hourIndex > 12)
            std::abort();
        // And its exported line must read back as one accepted line.
        const QString line = FormatClientCsvLine(r);
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) std::abort();
        if (SplitCsvFields(line).size() != ClientCsvLabels().size()) std::abort();
    }
    return 0;
}
