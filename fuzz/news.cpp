// The maker's news page.
#include "FuzzInput.h"

#include "shell/NewsPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const int lastOpened = int(in.byte()) - 16;
    const QString page = in.text(options & 0x80);
    const NewsPage::Parsed parsed = NewsPage::Parse(page, lastOpened);
    using O = NewsPage::Outcome;
    const bool hasBody = page.contains(QLatin1String("<body>"), Qt::CaseInsensitive);
    if (!hasBody)
        FUZZ_CHECK(parsed.outcome == O::NoBody);
    if (parsed.outcome != O::Show) {
        FUZZ_CHECK(parsed.item.id == 0 && parsed.item.text.isEmpty() && parsed.item.link.isEmpty());
        return 0;
    }
    const NewsItem& item = parsed.item;
    FUZZ_CHECK(item.id > lastOpened);
    FUZZ_CHECK(item.link != QLatin1String("nolink"));
    FUZZ_CHECK(item.link == item.link.trimmed() && item.text == item.text.trimmed());
    FUZZ_CHECK(item.title == item.title.trimmed());
    const QUrl url = item.linkUrl();
    if (item.link.isEmpty())
        FUZZ_CHECK(url.isEmpty());
    if (!url.isEmpty())
        FUZZ_CHECK(url.isValid() && url.scheme() == QLatin1String("https") &&
                   !url.host().isEmpty());
    // The same item is not shown again once it has been opened.
    FUZZ_CHECK(NewsPage::Parse(page, item.id).outcome == O::Seen);
    return 0;
}
