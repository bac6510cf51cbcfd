// The version file the maker publishes.
#include "FuzzInput.h"

#include "shell/PublishedVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const int own = int(in.byte()) * 4;
    const QByteArray body = in.rest();
    const bool failed = options & 0x01;
    const PublishedVersion v = PublishedVersion::Parse(body, failed, own);

    FUZZ_CHECK(v.number >= 0);
    FUZZ_CHECK(v.own == own && v.failed == failed);
    FUZZ_CHECK(v.updateAvailable() == (!failed && v.number > own));
    if (failed) {
        FUZZ_CHECK(v.text == QLatin1String("9.0.0") && !v.updateAvailable());
        return 0;
    }
    FUZZ_CHECK(v.text.contains(u'.'));
    // The text shown is read again as the same version.
    const PublishedVersion again = PublishedVersion::Parse(v.text.toUtf8(), false, own);
    FUZZ_CHECK(again.text == v.text && again.number == v.number);
    // Whichever of two versions is newer is an update for the other, never both ways.
    const PublishedVersion other = PublishedVersion::Parse(body.left(body.size() / 2), false, own);
    const bool forward = PublishedVersion::Parse(body, false, other.number).updateAvailable();
    const bool backward =
        PublishedVersion::Parse(body.left(body.size() / 2), false, v.number).updateAvailable();
    FUZZ_CHECK(!(forward && backward));
    FUZZ_CHECK(forward == (v.number > other.number));
    return 0;
}
