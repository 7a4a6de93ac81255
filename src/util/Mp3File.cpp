#include "util/Mp3File.h"

#include <mpg123.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "i18n/Marked.h"
#include "util/Text.h"

namespace korvan {

namespace {

TDecodedSound Fail(const std::string& error)
{
    TDecodedSound sound;
    sound.Error = error;
    return sound;
}

bool LooksLikeMp3(const std::string& bytes)
{
    if (bytes.rfind("ID3", 0) == 0)
        return true;
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           (static_cast<unsigned char>(bytes[1]) & 0xE0) == 0xE0;
}

struct THandleDeleter
{
    void operator()(mpg123_handle* h) const { mpg123_delete(h); }
};

} // namespace

TDecodedSound DecodeMp3File(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail(path + ": " + std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty())
        return Fail(ToCp1251(KORVAN_MARK("SoundReason", "файл пуст")));
    if (!LooksLikeMp3(bytes))
        return Fail(ToCp1251(KORVAN_MARK("SoundReason", "файл не в формате MP3")));

    int error = MPG123_OK;
    std::unique_ptr<mpg123_handle, THandleDeleter> handle(mpg123_new(nullptr, &error));
    if (!handle)
        return Fail(mpg123_plain_strerror(error));
    mpg123_handle* h = handle.get();
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // 16-bit samples at the file's own rate and channels.
    mpg123_format_none(h);
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i)
        mpg123_format(h, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(h) != MPG123_OK ||
        mpg123_feed(h, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) !=
            MPG123_OK)
        return Fail(mpg123_strerror(h));

    TDecodedSound sound;
    unsigned char block[16384];
    for (;;) {
        std::size_t done = 0;
        const int result = mpg123_read(h, block, sizeof block, &done);
        sound.Pcm.append(reinterpret_cast<const char*>(block), done);
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0;
            int encoding = 0;
            mpg123_getformat(h, &rate, &channels, &encoding);
            sound.Format = PcmFormat(static_cast<std::uint32_t>(rate),
                                     static_cast<std::uint16_t>(channels), 16);
        } else if (result == MPG123_NEED_MORE || result == MPG123_DONE) {
            break; // all of the file is decoded
        } else if (result != MPG123_OK) {
            return Fail(mpg123_strerror(h));
        }
    }
    if (sound.Format.SampleRate == 0)
        return Fail(ToCp1251(KORVAN_MARK("SoundReason", "в файле нет звука MP3")));
    sound.Pcm.resize(sound.Pcm.size() - sound.Pcm.size() % sound.Format.BlockAlign);
    sound.Ok = true;
    return sound;
}

} // namespace korvan
