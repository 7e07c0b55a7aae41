#include "io/print/timepdf.h"

#include <QBuffer>
#include <QPdfWriter>
#include <filesystem>

#include "io/print/timepagepainter.h"
#include "platform/dialogs.h"
#include "model/textfile.h"

namespace mv {

namespace {

constexpr int kPdfDotsPerInch = 300;

}  // namespace

QPageSize::PageSizeId PaperId(const std::string& paper) {
    // B4 and B5 are the Japanese (JIS) sizes, the ones sold as B4 and B5 in Japan.
    if (paper == "A3") return QPageSize::A3;
    if (paper == "A5") return QPageSize::A5;
    if (paper == "B4") return QPageSize::JisB4;
    if (paper == "B5") return QPageSize::JisB5;
    return QPageSize::A4;
}

int PaperCodeOf(QPageSize::PageSizeId id) {
    for (const char* name : {"A3", "A4", "A5", "B4", "B5"})
        if (PaperId(name) == id) return PaperCodeByName(name);
    return 0;
}

QPageLayout TimePrintPageLayout(int paperCode, int orientation) {
    return QPageLayout(QPageSize(PaperId(PaperName(paperCode))),
                       orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

void ComposeForDevice(TimePagePainter& pages, QPagedPaintDevice& device) {
    pages.Compose(QSizeF(device.width(), device.height()), device.logicalDpiY());
}

bool WriteTimetablePdf(TimePagePainter& pages, const QPageLayout& paper, int first, int last,
                       const std::string& utf8Path, const std::string& docName, Host& host) {
    // Drawn into memory first, then handed to the program's one writer.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setCreator(QString::fromUtf8(kProgramName));
        writer.setTitle(QString::fromUtf8(docName));
        writer.setPageLayout(paper);
        ComposeForDevice(pages, writer);
        if (!DrawPages(writer, pages, first, last)) return false;
    }
    const std::filesystem::path path(std::u8string(utf8Path.begin(), utf8Path.end()));
    return WriteFileAtomically(path, host, [&](LineWriter& out) {
        out.Bytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

}  // namespace mv
