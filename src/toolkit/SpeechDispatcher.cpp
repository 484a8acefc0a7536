#include "SpeechBackend.h"

#include <libspeechd.h>

#include <cstdlib>

namespace tk {

namespace {

class SpeechDispatcher final : public SpeechBackend {
public:
    ~SpeechDispatcher() override { close(); }

    bool open(std::string& error) override
    {
        char* why = nullptr;
        connection_ = spd_open2("quantella", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &why);
        error = why ? why : "";
        std::free(why);
        return connection_ != nullptr;
    }

    std::vector<std::string> voiceLanguages() override
    {
        std::vector<std::string> languages;
        SPDVoice** voices = spd_list_synthesis_voices(connection_);
        for (SPDVoice** v = voices; v && *v; ++v)
            languages.emplace_back((*v)->language ? (*v)->language : "");
        free_spd_voices(voices);
        return languages;
    }

    bool useLanguage(const std::string& language) override
    {
        return spd_set_language(connection_, language.c_str()) == 0;
    }

    bool say(const std::string& text) override { return spd_say(connection_, SPD_MESSAGE, text.c_str()) >= 0; }

    bool cancel() override { return spd_cancel(connection_) == 0; }

    void close() override
    {
        if (connection_)
            spd_close(connection_);
        connection_ = nullptr;
    }

private:
    SPDConnection* connection_ = nullptr;
};

} // namespace

std::unique_ptr<SpeechBackend> speechDispatcher()
{
    return std::make_unique<SpeechDispatcher>();
}

} // namespace tk
