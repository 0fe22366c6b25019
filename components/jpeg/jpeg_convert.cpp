// JPEG to BMP on libjpeg: errors come back by longjmp, rows go to the BMP writer as they
// are decoded.
#include "components/jpeg/jpeg_convert.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "image/exif_orientation.h"
#include "components/jpeg/truncation_guard.h"
#include "image/bmp.h"

namespace jpeg {

size_t MemoryReader::Read(void* buf, size_t size) {
    size_t n = size < left_ ? size : left_;
    if (n > 0) std::memcpy(buf, p_, n);
    p_ += n;
    left_ -= n;
    return n;
}

namespace {

// A crafted progressive file can carry thousands of tiny scans, each costing a full
// pass over the coefficients; real encoders write a dozen or so.
constexpr int kMaxScans = 500;
constexpr size_t kInputBufferSize = 64 * 1024;
constexpr uint32_t kBandRows = 16;
constexpr uint8_t kStartOfImage = 0xD8;  // the marker code after 0xFF that begins every JPEG file

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
};

void OnError(j_common_ptr cinfo) { longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }
// The programs have no console; warnings (corrupt or missing data) are not fatal.
void OnMessage(j_common_ptr) {}

class Decoder;

// libjpeg's progress hook, with the way back to the decoder that owns it.
struct ProgressHook {
    jpeg_progress_mgr pub;
    Decoder* decoder;
};

void OnProgress(j_common_ptr cinfo);

// Source manager over a ByteReader. A short file ends in a made-up EOI marker, so
// libjpeg decodes what is there and fills the rest.
struct Source {
    jpeg_source_mgr pub;
    ByteReader* reader;
    bool startOfFile;
    JOCTET buffer[kInputBufferSize];
};

void InitSource(j_decompress_ptr cinfo) {
    reinterpret_cast<Source*>(cinfo->src)->startOfFile = true;
}

boolean FillInput(j_decompress_ptr cinfo) {
    auto* s = reinterpret_cast<Source*>(cinfo->src);
    size_t n = s->reader->Read(s->buffer, sizeof s->buffer);
    if (n == 0) {
        if (s->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        s->buffer[0] = 0xFF;
        s->buffer[1] = JPEG_EOI;
        n = 2;
    }
    s->pub.next_input_byte = s->buffer;
    s->pub.bytes_in_buffer = n;
    s->startOfFile = false;
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
    if (count <= 0) return;
    jpeg_source_mgr* src = cinfo->src;
    size_t left = static_cast<size_t>(count);
    while (left > src->bytes_in_buffer) {
        left -= src->bytes_in_buffer;
        FillInput(cinfo);  // never suspends
    }
    src->next_input_byte += left;
    src->bytes_in_buffer -= left;
}

void TermSource(j_decompress_ptr) {}

// Rounded c*k/255 per channel: Adobe applications store CMYK inverted (0 = full ink).
inline uint8_t InkToValue(unsigned v, unsigned k) { return static_cast<uint8_t>((2 * v * k + 255) / 510); }

void CmykRowToBgr(const uint8_t* cmyk, uint8_t* bgr, uint32_t width, bool inverted) {
    for (uint32_t x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        bgr[0] = InkToValue(y, k);
        bgr[1] = InkToValue(m, k);
        bgr[2] = InkToValue(c, k);
    }
}

void ReverseRow(uint8_t* row, uint32_t width) {
    uint8_t* a = row;
    uint8_t* b = row + (static_cast<size_t>(width) - 1) * 3;
    for (; a < b; a += 3, b -= 3) {
        for (int i = 0; i < 3; ++i) {
            uint8_t t = a[i];
            a[i] = b[i];
            b[i] = t;
        }
    }
}

// Everything that must survive a longjmp lives here, not in the function that calls setjmp.
class Decoder {
public:
    Decoder(ByteReader& in, mov::ByteSink& out, const ConvertOptions& options)
        : guard_(in), out_(out), options_(options) {}
    ~Decoder() {
        if (created_) jpeg_destroy_decompress(&cinfo_);
    }
    // Converts, or with `header` only reads the headers into it.
    ConvertStatus Run(ConvertInfo* info, JpegHeader* header);
    // Whether the caller still wants the picture once `done` of the work is over; when it
    // does not, the failure becomes kCancelled.
    bool KeepGoing(uint32_t done);
    // Called by libjpeg now and then; asks the caller only while the input is read in.
    bool StillWanted() { return !readingIn_ || KeepGoing(0); }

private:
    void ReadHeader();
    void ChooseRegion();
    bool Start();
    void StartRegion();
    void ReadBand(uint8_t* const* rows, uint32_t count);
    ConvertStatus WriteStraight();
    ConvertStatus WriteTurned();

    TruncationGuard guard_;
    mov::ByteSink& out_;
    mov::BmpWriter writer_;
    ConvertOptions options_;
    jpeg_decompress_struct cinfo_{};
    ErrorManager err_{};
    ProgressHook progress_{};
    std::unique_ptr<Source> src_;
    bool created_ = false;
    ConvertStatus failure_ = ConvertStatus::kBadJpeg;
    int orientation_ = 1;
    bool cmyk_ = false;
    bool inverted_ = false;
    uint32_t width_ = 0;   // decoded picture (the region of it, when one is asked for)
    uint32_t height_ = 0;
    uint32_t srcLeft_ = 0;       // the region in the decoded picture, as the file stores it
    uint32_t srcTop_ = 0;
    bool region_ = false;
    uint32_t decodedWidth_ = 0;  // of each row libjpeg gives: the region widened to whole blocks
    uint32_t skipCols_ = 0;      // columns of those rows left of the region
    uint32_t discardRows_ = 0;   // rows decoded above the region
    uint32_t outWidth_ = 0;  // written picture, turned upright
    uint32_t outHeight_ = 0;
    uint32_t total_ = 0;     // units of work reported to the caller: rows decoded and written
    bool readingIn_ = false;  // inside jpeg_start_decompress, which reads in multi-scan files
    std::vector<uint8_t> band_;  // rows as the file stores them
    std::vector<uint8_t> scratch_;  // rows as libjpeg gives them, when they are not written as they are
    std::vector<uint8_t> whole_;
    std::vector<JSAMPROW> rowPointers_;
};

void OnProgress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) ERREXIT(cinfo, JERR_NOT_COMPILED);
    if (!reinterpret_cast<ProgressHook*>(cinfo->progress)->decoder->StillWanted()) ERREXIT(cinfo, JERR_NOT_COMPILED);
}

bool Decoder::KeepGoing(uint32_t done) {
    if (!options_.progress || options_.progress(options_.progressContext, done, total_)) return true;
    failure_ = ConvertStatus::kCancelled;
    return false;
}

ConvertStatus Decoder::Run(ConvertInfo* info, JpegHeader* header) {
    cinfo_.err = jpeg_std_error(&err_.pub);
    err_.pub.error_exit = OnError;
    err_.pub.output_message = OnMessage;
    if (setjmp(err_.jump)) {
        const int code = err_.pub.msg_code;
        const bool notJpeg = code == JERR_NO_SOI || code == JERR_INPUT_EMPTY;
        return failure_ == ConvertStatus::kBadJpeg && notJpeg ? ConvertStatus::kNotJpeg : failure_;
    }
    jpeg_create_decompress(&cinfo_);
    created_ = true;
    ReadHeader();
    if (header) {
        header->width = outWidth_;
        header->height = outHeight_;
        header->orientation = orientation_;
        header->xDensity = cinfo_.saw_JFIF_marker ? cinfo_.X_density : 0;
        header->yDensity = cinfo_.saw_JFIF_marker ? cinfo_.Y_density : 0;
        return ConvertStatus::kOk;
    }
    if (!Start()) return failure_;
    if (info) {
        info->width = outWidth_;
        info->height = outHeight_;
        info->orientation = orientation_;
    }
    ConvertStatus status = orientation_ >= 5 ? WriteTurned() : WriteStraight();
    if (status == ConvertStatus::kOk && writer_.Close() != mov::BmpStatus::Ok) status = ConvertStatus::kWriteFailed;
    return status;
}

// Headers, orientation, colour space and the output size; errors leave by longjmp.
void Decoder::ReadHeader() {
    src_.reset(new Source);
    src_->pub.init_source = InitSource;
    src_->pub.fill_input_buffer = FillInput;
    src_->pub.skip_input_data = SkipInput;
    src_->pub.resync_to_restart = jpeg_resync_to_restart;
    src_->pub.term_source = TermSource;
    src_->pub.bytes_in_buffer = 0;
    src_->pub.next_input_byte = nullptr;
    src_->reader = &guard_;
    cinfo_.src = &src_->pub;
    progress_.pub.progress_monitor = OnProgress;
    progress_.decoder = this;
    cinfo_.progress = &progress_.pub;

    jpeg_save_markers(&cinfo_, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo_, TRUE);
    if (options_.applyOrientation) {
        for (jpeg_saved_marker_ptr m = cinfo_.marker_list; m; m = m->next) {
            if (m->marker != JPEG_APP0 + 1) continue;
            orientation_ = mov::ExifOrientation(m->data, m->data_length);
            if (orientation_ != 1) break;
        }
    }
    cmyk_ = cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK;
    inverted_ = cmyk_ && cinfo_.saw_Adobe_marker;
    cinfo_.out_color_space = cmyk_ ? JCS_CMYK : JCS_EXT_BGR;
    const int denom = options_.scaleDenom;
    cinfo_.scale_num = 1;
    cinfo_.scale_denom = denom == 2 || denom == 4 || denom == 8 ? static_cast<unsigned>(denom) : 1;
    jpeg_calc_output_dimensions(&cinfo_);
    width_ = cinfo_.output_width;
    height_ = cinfo_.output_height;
    const bool turned = orientation_ >= 5;
    outWidth_ = turned ? height_ : width_;
    outHeight_ = turned ? width_ : height_;
    decodedWidth_ = width_;
    ChooseRegion();
}

// The asked-for part of the upright picture, as a rectangle of the stored one. Turning a
// part of the picture gives the same part of the turned picture.
void Decoder::ChooseRegion() {
    if (options_.regionWidth == 0 || options_.regionHeight == 0) return;
    if (options_.regionLeft >= outWidth_ || options_.regionTop >= outHeight_) return;
    const uint32_t ux = options_.regionLeft, uy = options_.regionTop;
    const uint32_t uw = options_.regionWidth < outWidth_ - ux ? options_.regionWidth : outWidth_ - ux;
    const uint32_t uh = options_.regionHeight < outHeight_ - uy ? options_.regionHeight : outHeight_ - uy;
    if (uw == outWidth_ && uh == outHeight_) return;
    const uint32_t W = width_, H = height_;
    const int o = orientation_;
    if (o >= 5) {
        srcLeft_ = o == 7 || o == 8 ? W - uy - uh : uy;
        srcTop_ = o == 6 || o == 7 ? H - ux - uw : ux;
        width_ = uh;
        height_ = uw;
    } else {
        srcLeft_ = o == 2 || o == 3 ? W - ux - uw : ux;
        srcTop_ = o == 3 || o == 4 ? H - uy - uh : uy;
        width_ = uw;
        height_ = uh;
    }
    outWidth_ = uw;
    outHeight_ = uh;
    region_ = true;
}

// Narrows libjpeg's rows to the region's blocks and skips the rows above it. One pixel more
// on each side and one row of blocks more above keep the region's edge off the edges of what
// is decoded, where the chroma upsampling would lack its neighbours.
void Decoder::StartRegion() {
    if (!region_) return;
    const uint32_t full = cinfo_.output_width;
    JDIMENSION x = srcLeft_ > 0 ? srcLeft_ - 1 : 0;
    // libjpeg gives up the smooth upsampling on rows of fewer than three chroma samples.
    const uint32_t narrowest = 3u * static_cast<uint32_t>(cinfo_.max_h_samp_factor) * cinfo_.min_DCT_scaled_size;
    uint32_t right = srcLeft_ + width_ + 1;
    if (right < x + narrowest) right = x + narrowest;
    if (right > full) right = full;
    JDIMENSION w = right - x;
    if (x > 0 || w < full) jpeg_crop_scanline(&cinfo_, &x, &w);
    skipCols_ = srcLeft_ - x;
    decodedWidth_ = w;
    const uint32_t unit = static_cast<uint32_t>(cinfo_.max_v_samp_factor) * cinfo_.min_DCT_scaled_size;
    uint32_t skip = unit > 0 ? srcTop_ / unit * unit : 0;
    skip = skip >= unit ? skip - unit : 0;
    if (skip > 0) skip = jpeg_skip_scanlines(&cinfo_, skip);
    discardRows_ = srcTop_ - skip;
}

// Checks the size, writes the bitmap's headers and starts decoding.
bool Decoder::Start() {
    // JPEG sides reach 65535, so the pixel count is checked in 64 bits before the int sides.
    const uint64_t fileSize = mov::BmpFileSize(static_cast<int>(outWidth_), static_cast<int>(outHeight_), 24);
    if (uint64_t{outWidth_} * outHeight_ > mov::kMaxPixels || fileSize == 0 || fileSize > options_.maxFileSize) {
        failure_ = ConvertStatus::kTooLarge;
        return false;
    }
    switch (writer_.Open(out_, static_cast<int>(outWidth_), static_cast<int>(outHeight_), 24)) {
    case mov::BmpStatus::Ok: break;
    case mov::BmpStatus::NoMemory: failure_ = ConvertStatus::kNoMemory; return false;
    default: failure_ = ConvertStatus::kWriteFailed; return false;
    }
    // A turned picture is decoded whole first, then written: twice the rows of work.
    total_ = orientation_ >= 5 ? height_ + outHeight_ : height_;
    if (!KeepGoing(0)) return false;
    readingIn_ = true;
    jpeg_start_decompress(&cinfo_);
    readingIn_ = false;
    StartRegion();
    scratch_.resize(static_cast<size_t>(kBandRows) * decodedWidth_ * (cmyk_ ? 4 : 3));
    rowPointers_.resize(kBandRows);
    // The rows between the skipped blocks and the region are decoded and dropped.
    std::vector<uint8_t> dropped(static_cast<size_t>(kBandRows) * width_ * 3);
    uint8_t* rows[kBandRows];
    for (uint32_t i = 0; i < kBandRows; ++i) rows[i] = dropped.data() + static_cast<size_t>(i) * width_ * 3;
    for (uint32_t left = discardRows_; left > 0;) {
        const uint32_t n = left < kBandRows ? left : kBandRows;
        ReadBand(rows, n);
        left -= n;
    }
    return true;
}

// Decodes the next `count` rows into `rows` (BGR, width_ pixels each).
void Decoder::ReadBand(uint8_t* const* rows, uint32_t count) {
    const bool viaScratch = cmyk_ || decodedWidth_ != width_;
    const size_t pixel = cmyk_ ? 4 : 3;
    for (uint32_t i = 0; i < count; ++i)
        rowPointers_[i] = viaScratch ? scratch_.data() + static_cast<size_t>(i) * decodedWidth_ * pixel : rows[i];
    uint32_t done = 0;
    while (done < count) {
        JDIMENSION n = jpeg_read_scanlines(&cinfo_, rowPointers_.data() + done, count - done);
        if (n == 0) ERREXIT(&cinfo_, JERR_TOO_LITTLE_DATA);  // cannot happen with our source
        done += n;
    }
    if (!viaScratch) return;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* from = rowPointers_[i] + skipCols_ * pixel;
        if (cmyk_)
            CmykRowToBgr(from, rows[i], width_, inverted_);
        else
            std::memcpy(rows[i], from, static_cast<size_t>(width_) * 3);
    }
}

// Orientations 1-4: each decoded row is one BMP row, perhaps mirrored; a band of rows
// fills one contiguous stretch of the file.
ConvertStatus Decoder::WriteStraight() {
    const size_t stride = writer_.fileStride();
    band_.assign(static_cast<size_t>(kBandRows) * stride, 0);  // padding bytes stay zero
    const bool upsideDown = orientation_ == 3 || orientation_ == 4;
    const bool mirrored = orientation_ == 2 || orientation_ == 3;
    uint8_t* rows[kBandRows];
    for (uint32_t y = 0; y < height_;) {
        uint32_t n = height_ - y < kBandRows ? height_ - y : kBandRows;
        // Upright pictures end up bottom-up in the file, so a band goes in reversed.
        for (uint32_t i = 0; i < n; ++i) rows[i] = band_.data() + static_cast<size_t>(upsideDown ? i : n - 1 - i) * stride;
        ReadBand(rows, n);
        if (mirrored) {
            for (uint32_t i = 0; i < n; ++i) ReverseRow(rows[i], width_);
        }
        const uint32_t top = upsideDown ? height_ - y - n : y;
        if (writer_.WriteFileRows(static_cast<int>(top), static_cast<int>(n), band_.data()) != mov::BmpStatus::Ok)
            return ConvertStatus::kWriteFailed;
        y += n;
        if (!KeepGoing(y)) return failure_;
    }
    return ConvertStatus::kOk;
}

// Orientations 5-8 turn rows into columns, so the whole decoded picture is held first.
ConvertStatus Decoder::WriteTurned() {
    const size_t srcStride = static_cast<size_t>(width_) * 3;
    whole_.resize(srcStride * height_);
    uint8_t* rows[kBandRows];
    for (uint32_t y = 0; y < height_;) {
        uint32_t n = height_ - y < kBandRows ? height_ - y : kBandRows;
        for (uint32_t i = 0; i < n; ++i) rows[i] = whole_.data() + (y + i) * srcStride;
        ReadBand(rows, n);
        y += n;
        if (!KeepGoing(y)) return failure_;
    }

    const uint32_t outW = outWidth_, outH = outHeight_;
    const size_t stride = writer_.fileStride();
    band_.assign(static_cast<size_t>(kBandRows) * stride, 0);
    const bool fromRight = orientation_ == 7 || orientation_ == 8;   // output row oy reads source column W-1-oy
    const bool fromBottom = orientation_ == 6 || orientation_ == 7;  // output column ox reads source row H-1-ox
    for (uint32_t fileRow = 0; fileRow < outH;) {
        uint32_t n = outH - fileRow < kBandRows ? outH - fileRow : kBandRows;
        // Band row i is file row fileRow+i, output row oy = outH-1-(fileRow+i), read from
        // source column sx(oy); the n columns of a band sit side by side in each source row,
        // so walk source rows and copy short runs rather than striding down whole columns.
        uint32_t oyFirst = outH - 1 - fileRow;
        for (uint32_t ox = 0; ox < outW; ++ox) {
            uint32_t sy = fromBottom ? height_ - 1 - ox : ox;
            const uint8_t* srcRow = whole_.data() + sy * srcStride;
            uint8_t* dst = band_.data() + static_cast<size_t>(ox) * 3;
            for (uint32_t i = 0; i < n; ++i, dst += stride) {
                uint32_t oy = oyFirst - i;
                const uint8_t* p = srcRow + static_cast<size_t>(fromRight ? width_ - 1 - oy : oy) * 3;
                dst[0] = p[0];
                dst[1] = p[1];
                dst[2] = p[2];
            }
        }
        const uint32_t top = outH - fileRow - n;
        if (writer_.WriteFileRows(static_cast<int>(top), static_cast<int>(n), band_.data()) != mov::BmpStatus::Ok)
            return ConvertStatus::kWriteFailed;
        fileRow += n;
        if (!KeepGoing(height_ + fileRow)) return failure_;
    }
    return ConvertStatus::kOk;
}

}  // namespace

bool HasJpegSignature(const uint8_t* data, size_t size) {
    return data != nullptr && size >= 3 && data[0] == 0xFF && data[1] == kStartOfImage && data[2] == 0xFF;
}

ConvertStatus ConvertJpegToBmp(ByteReader& in, mov::ByteSink& out, const ConvertOptions& options, ConvertInfo* info) {
    try {
        Decoder d(in, out, options);
        return d.Run(info, nullptr);
    } catch (const std::bad_alloc&) {
        return ConvertStatus::kNoMemory;
    } catch (const std::length_error&) {
        return ConvertStatus::kNoMemory;
    }
}

ConvertStatus ReadJpegHeader(ByteReader& in, JpegHeader* header, const ConvertOptions& options) {
    struct NoSink : mov::ByteSink {
        bool WriteAt(uint64_t, const void*, size_t) override { return false; }
    } none;
    JpegHeader ignored;
    try {
        Decoder d(in, none, options);
        return d.Run(nullptr, header ? header : &ignored);
    } catch (const std::bad_alloc&) {
        return ConvertStatus::kNoMemory;
    }
}

}  // namespace jpeg
