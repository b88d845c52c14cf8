// SPDX-License-Identifier: MIT
#include "speech/speechd_engine.h"

#include <atomic>
#include <charconv>
#include <cstdlib>

namespace {

// libspeechd's callbacks carry no context; the process has one engine.
std::atomic<SpeechdEngine*> runningEngine{nullptr};

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }
// Letters and digits of any script (bytes above ASCII) belong to words; ASCII punctuation does not.
bool IsWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
}

}  // namespace

std::string SsmlWithWordMarks(std::string_view text) {
    std::string out = "<speak>";
    std::size_t copied = 0;  // bytes of `text` already in `out`
    std::size_t afterWord = 0;  // where the last word ended: the next word's mark goes there
    int characters = 0;  // characters before `i`
    for (std::size_t i = 0; i < text.size();) {
        if (!IsWordByte(text[i])) {
            if (!IsContinuationByte(text[i])) ++characters;
            ++i;
            continue;
        }
        std::size_t end = i;
        int length = 0;
        while (end < text.size() &&
               (IsWordByte(text[end]) || (text[end] == '\'' && end + 1 < text.size() && IsWordByte(text[end + 1])))) {
            if (!IsContinuationByte(text[end])) ++length;
            ++end;
        }
        // Before the punctuation since the last word, unless there is only space between them.
        std::size_t markAt = afterWord;
        while (markAt < i && IsSpace(text[markAt])) ++markAt;
        if (markAt == i) markAt = i;
        AppendEscaped(out, text.substr(copied, markAt - copied));
        out += "<mark name=\"" + std::to_string(characters) + "_" + std::to_string(length) + "\"/>";
        copied = markAt;
        characters += length;
        afterWord = i = end;
    }
    AppendEscaped(out, text.substr(copied));
    return out + "</speak>";
}

SpeechdEngine& SpeechdEngine::Instance(HandOver handOver) {
    // Never destroyed: a thread blocked on a service that stopped answering cannot be joined.
    static SpeechdEngine* const engine = new SpeechdEngine(handOver);
    return *engine;
}

SpeechdEngine::SpeechdEngine(HandOver handOver) : handOver_(handOver) {
    runningEngine = this;
    waitingSince_ = std::chrono::steady_clock::now();
    worker_ = std::thread([this] { Run(); });
    worker_.detach();
}

std::uint64_t SpeechdEngine::Speak(Listener* listener, std::string text) {
    std::uint64_t utterance;
    {
        std::lock_guard lock(mutex_);
        utterance = ++current_;
        currentListener_ = listener;
        currentMessage_ = 0;
        pending_ = Request{utterance, listener, std::move(text), language_};
    }
    wake_.notify_all();
    return utterance;
}

void SpeechdEngine::SetLanguage(const std::string& language) {
    std::lock_guard lock(mutex_);
    language_ = language;
}

std::string SpeechdEngine::VoiceLanguage() const {
    std::lock_guard lock(mutex_);
    return reportedLanguage_;
}

void SpeechdEngine::Forget(Listener* listener) {
    bool wasSpeaking = false;
    {
        std::lock_guard lock(mutex_);
        wasSpeaking = currentListener_ == listener;
    }
    if (wasSpeaking) Speak(nullptr, {});
}

bool SpeechdEngine::IsCurrent(std::uint64_t utterance) const {
    std::lock_guard lock(mutex_);
    return utterance == current_;
}

bool SpeechdEngine::WaitUntilReady() {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, kAnswerWait, [this] { return ready_.has_value(); });
    return ready_.value_or(false) && !failed_;
}

bool SpeechdEngine::GaveUp() const {
    std::lock_guard lock(mutex_);
    return failed_ || (waitingSince_ && std::chrono::steady_clock::now() - *waitingSince_ > kAnswerWait);
}

void SpeechdEngine::Waiting(bool waiting) {
    std::lock_guard lock(mutex_);
    if (waiting) waitingSince_ = std::chrono::steady_clock::now();
    else waitingSince_.reset();
}

bool SpeechdEngine::Connect() {
    char* error = nullptr;
    connection_ = spd_open2("numora", "voice", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    std::free(error);
    if (connection_ == nullptr) return false;
    connection_->callback_im = &SpeechdEngine::OnIndexMark;
    return spd_set_notification_on(connection_, SPD_INDEX_MARKS) == 0 &&
           spd_set_data_mode(connection_, SPD_DATA_SSML) == 0;
}

void SpeechdEngine::Run() {
    const bool connected = Connect();
    {
        std::lock_guard lock(mutex_);
        ready_ = connected;
        failed_ = !connected;
        waitingSince_.reset();
    }
    wake_.notify_all();
    bool failed = !connected;
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return pending_.has_value(); });
            request = std::move(*pending_);
            pending_.reset();
        }
        failed = failed || !Say(request);
        // What came before the window saw the engine give up is spoken by the one after it.
        if (failed && handOver_ && !request.text.empty()) handOver_(request.listener, request.text.c_str());
    }
}

bool SpeechdEngine::Say(const Request& request) {
    if (connection_ == nullptr) return false;
    Waiting(true);
    // Priority "text" replaces this client's own text; an empty request only cuts it.
    bool answered = spd_cancel(connection_) == 0;
    if (answered && request.language != serviceLanguage_) {
        answered = spd_set_language(connection_, request.language.c_str()) == 0;
        if (answered) {
            serviceLanguage_ = request.language;
            std::lock_guard lock(mutex_);
            reportedLanguage_ = serviceLanguage_;
        }
    }
    int message = 0;
    if (answered && !request.text.empty()) {
        message = spd_say(connection_, SPD_TEXT, SsmlWithWordMarks(request.text).c_str());
        answered = message > 0;
    }
    std::lock_guard lock(mutex_);
    waitingSince_.reset();
    failed_ = failed_ || !answered;
    if (request.utterance == current_) currentMessage_ = static_cast<std::size_t>(message);
    return answered;
}

void SpeechdEngine::MarkReached(std::size_t message, std::string_view mark) {
    int position = 0;
    int length = 0;
    const auto separator = mark.find('_');
    if (separator == std::string_view::npos) return;
    const char* begin = mark.data();
    if (std::from_chars(begin, begin + separator, position).ec != std::errc() ||
        std::from_chars(begin + separator + 1, begin + mark.size(), length).ec != std::errc())
        return;
    std::lock_guard lock(mutex_);
    // A mark may come before spd_say has returned the utterance's number.
    if (currentListener_ == nullptr || (currentMessage_ != 0 && currentMessage_ != message)) return;
    currentListener_->WordStarted(current_, position, length);
}

void SpeechdEngine::OnIndexMark(std::size_t message, std::size_t, SPDNotificationType state, char* mark) {
    if (state != SPD_EVENT_INDEX_MARK || mark == nullptr) return;
    if (SpeechdEngine* engine = runningEngine.load()) engine->MarkReached(message, mark);
}
