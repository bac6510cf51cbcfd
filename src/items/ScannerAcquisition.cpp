#include "items/ScannerAcquisition.h"

#include <QMutex>
#include <QMutexLocker>
#include <cstring>
#include <sane/sane.h>
#include <sane/saneopts.h>
#include <vector>

namespace {

// SANE keeps process-wide state between sane_init and sane_exit: one session at a time.
QMutex& SessionLock() {
    static QMutex lock;
    return lock;
}

class Session {
public:
    Session() : m_locker(&SessionLock()) {
        SANE_Int version = 0;
        m_status = sane_init(&version, nullptr);
    }
    ~Session() {
        if (m_status == SANE_STATUS_GOOD)
            sane_exit();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    bool ok() const { return m_status == SANE_STATUS_GOOD; }
    SANE_Status status() const { return m_status; }

private:
    QMutexLocker<QMutex> m_locker;
    SANE_Status m_status;
};

QString StatusText(SANE_Status status) {
    return QString::fromLocal8Bit(sane_strstatus(status));
}

// The index of the named option, -1 when the device has none.
int FindOption(SANE_Handle handle, const char* name) {
    for (int i = 1;; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(handle, i);
        if (!d)
            return -1;
        if (d->name && std::strcmp(d->name, name) == 0)
            return i;
    }
}

bool Settable(const SANE_Option_Descriptor* d) {
    return d && SANE_OPTION_IS_ACTIVE(d->cap) && SANE_OPTION_IS_SETTABLE(d->cap);
}

// Colour when the device offers it; its own default otherwise.
void AskForColour(SANE_Handle handle) {
    const int i = FindOption(handle, SANE_NAME_SCAN_MODE);
    const SANE_Option_Descriptor* d = i > 0 ? sane_get_option_descriptor(handle, i) : nullptr;
    if (!Settable(d) || d->type != SANE_TYPE_STRING ||
        d->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return;
    for (const SANE_String_Const* s = d->constraint.string_list; *s; ++s) {
        if (std::strcmp(*s, SANE_VALUE_SCAN_MODE_COLOR) == 0) {
            std::vector<char> value(std::max<size_t>(d->size, std::strlen(*s) + 1), 0);
            std::memcpy(value.data(), *s, std::strlen(*s));
            sane_control_option(handle, i, SANE_ACTION_SET_VALUE, value.data(), nullptr);
            return;
        }
    }
}

// The resolution nearest kResolutionDpi that the device allows.
void AskForResolution(SANE_Handle handle, int dpi) {
    const int i = FindOption(handle, SANE_NAME_SCAN_RESOLUTION);
    const SANE_Option_Descriptor* d = i > 0 ? sane_get_option_descriptor(handle, i) : nullptr;
    if (!Settable(d) || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED) ||
        d->size != sizeof(SANE_Word))
        return;
    const bool fixed = d->type == SANE_TYPE_FIXED;
    auto toDpi = [fixed](SANE_Word w) { return fixed ? SANE_UNFIX(w) : double(w); };
    auto fromDpi = [fixed](double v) { return fixed ? SANE_FIX(v) : SANE_Word(v + 0.5); };
    double chosen = dpi;
    if (d->constraint_type == SANE_CONSTRAINT_RANGE) {
        chosen = qBound(toDpi(d->constraint.range->min), chosen, toDpi(d->constraint.range->max));
    } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word* list = d->constraint.word_list;
        double best = -1;
        for (int k = 1; k <= list[0]; ++k) {
            const double v = toDpi(list[k]);
            if (best < 0 || std::abs(v - dpi) < std::abs(best - dpi))
                best = v;
        }
        if (best < 0)
            return;
        chosen = best;
    }
    SANE_Word value = fromDpi(chosen);
    sane_control_option(handle, i, SANE_ACTION_SET_VALUE, &value, nullptr);
}

// One sample of a pixel as 0..255; 1-bit samples are black when set.
int Sample(const unsigned char* line, int depth, int index) {
    switch (depth) {
    case 1:
        return (line[index / 8] & (0x80 >> (index % 8))) ? 0 : 255;
    case 16: {
        quint16 v;
        std::memcpy(&v, line + index * 2, 2);
        return v >> 8;
    }
    default:
        return line[index];
    }
}

} // namespace

QString ScannerAcquisition::Device::label() const {
    QString text = QStringLiteral("%1 %2").arg(vendor, model).trimmed();
    if (text.isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(text, name);
}

QList<ScannerAcquisition::Device> ScannerAcquisition::Devices(QString* error) {
    QList<Device> devices;
    Session session;
    if (!session.ok()) {
        if (error)
            *error = StatusText(session.status());
        return devices;
    }
    const SANE_Device** list = nullptr;
    const SANE_Status status = sane_get_devices(&list, SANE_FALSE);
    if (status != SANE_STATUS_GOOD) {
        if (error)
            *error = StatusText(status);
        return devices;
    }
    for (int i = 0; list && list[i]; ++i) {
        const SANE_Device* d = list[i];
        devices.append(Device{QString::fromLocal8Bit(d->name), QString::fromLocal8Bit(d->vendor),
                              QString::fromLocal8Bit(d->model), QString::fromLocal8Bit(d->type)});
    }
    return devices;
}

void ScannerAcquisition::cancel() {
    m_cancelled = true;
    // The SANE standard lets sane_cancel be called from another thread or a signal handler
    // while sane_read blocks.
    if (void* handle = m_handle.load())
        sane_cancel(static_cast<SANE_Handle>(handle));
}

ScannerAcquisition::Result ScannerAcquisition::acquire(const QString& deviceName) {
    Result result;
    m_cancelled = false;
    Session session;
    if (!session.ok()) {
        result.error = StatusText(session.status());
        return result;
    }
    SANE_Handle handle = nullptr;
    SANE_Status status = sane_open(deviceName.toLocal8Bit().constData(), &handle);
    if (status != SANE_STATUS_GOOD) {
        result.error = StatusText(status);
        return result;
    }
    AskForColour(handle);
    AskForResolution(handle, kResolutionDpi);
    m_handle = handle;
    if (m_cancelled)
        sane_cancel(handle);

    // Frames: one for grey or interleaved colour, three (red, green, blue) for a three-pass
    // scanner. Lines may be unknown in advance (hand scanners): the buffer grows as it reads.
    QImage image;
    bool last = false;
    while (!last) {
        status = sane_start(handle);
        if (status != SANE_STATUS_GOOD)
            break;
        SANE_Parameters p;
        status = sane_get_parameters(handle, &p);
        if (status != SANE_STATUS_GOOD)
            break;
        last = p.last_frame;
        if (p.pixels_per_line <= 0 || p.bytes_per_line <= 0 ||
            (p.depth != 1 && p.depth != 8 && p.depth != 16)) {
            status = SANE_STATUS_UNSUPPORTED;
            break;
        }
        std::vector<unsigned char> data;
        if (p.lines > 0)
            data.reserve(size_t(p.lines) * size_t(p.bytes_per_line));
        std::vector<unsigned char> chunk(64 * 1024);
        for (;;) {
            SANE_Int got = 0;
            status = sane_read(handle, chunk.data(), SANE_Int(chunk.size()), &got);
            if (status != SANE_STATUS_GOOD)
                break;
            data.insert(data.end(), chunk.begin(), chunk.begin() + got);
        }
        if (status != SANE_STATUS_EOF)
            break;
        status = SANE_STATUS_GOOD;
        const int lines = int(data.size() / size_t(p.bytes_per_line));
        if (lines <= 0) {
            status = SANE_STATUS_IO_ERROR;
            break;
        }
        if (image.isNull() || image.height() < lines) {
            QImage grown(p.pixels_per_line, lines, QImage::Format_RGB32);
            grown.fill(Qt::black);
            if (!image.isNull())
                for (int y = 0; y < image.height(); ++y)
                    std::memcpy(grown.scanLine(y), image.constScanLine(y),
                                size_t(qMin(image.bytesPerLine(), grown.bytesPerLine())));
            image = grown;
        }
        const int width = qMin(p.pixels_per_line, image.width());
        for (int y = 0; y < lines; ++y) {
            const unsigned char* line = data.data() + size_t(y) * size_t(p.bytes_per_line);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                switch (p.format) {
                case SANE_FRAME_GRAY: {
                    const int v = Sample(line, p.depth, x);
                    out[x] = qRgb(v, v, v);
                    break;
                }
                case SANE_FRAME_RGB:
                    out[x] = qRgb(Sample(line, p.depth, x * 3), Sample(line, p.depth, x * 3 + 1),
                                  Sample(line, p.depth, x * 3 + 2));
                    break;
                case SANE_FRAME_RED:
                    out[x] = (out[x] & 0xff00ffffu) | (QRgb(Sample(line, p.depth, x)) << 16);
                    break;
                case SANE_FRAME_GREEN:
                    out[x] = (out[x] & 0xffff00ffu) | (QRgb(Sample(line, p.depth, x)) << 8);
                    break;
                case SANE_FRAME_BLUE:
                    out[x] = (out[x] & 0xffffff00u) | QRgb(Sample(line, p.depth, x));
                    break;
                }
            }
        }
        if (p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB)
            last = true;
    }
    m_handle = nullptr;
    sane_cancel(handle);
    sane_close(handle);

    if (m_cancelled || status == SANE_STATUS_CANCELLED) {
        result.status = Status::Cancelled;
        return result;
    }
    if (status != SANE_STATUS_GOOD) {
        result.error = StatusText(status);
        return result;
    }
    result.status = Status::Ok;
    result.image = image;
    return result;
}
