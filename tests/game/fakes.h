#pragma once

#include "form1.h"
#include "module1.h"
#include "platform.h"

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace croquel::testing {

// Keys pressed since the last poll; records every poll in order.
class ScriptedKeys final : public KeyState {
public:
    bool pressedSinceLastPoll(ArrowKey key) override
    {
        polls.push_back(key);
        return pressed.erase(key) > 0;
    }

    void press(std::initializer_list<ArrowKey> keys) { pressed.insert(keys); }

    std::set<ArrowKey> pressed;
    std::vector<ArrowKey> polls;
};

// Hands out scripted draws (0 when the script is empty) and records the
// sequence of reseeds ('s') and draws ('d').
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { calls += 's'; }
    float next() override
    {
        calls += 'd';
        if (draws.empty()) {
            return 0.0F;
        }
        const float draw = draws.front();
        draws.pop_front();
        return draw;
    }

    // Queues draws giving these random bases for nbra, nbrb, nbrc, nbrd.
    void queueBases(int right, int left, int up, int down)
    {
        for (int base : {right, left, up, down}) {
            draws.push_back((static_cast<float>(base) + 0.5F) / 10.0F);
        }
    }

    std::deque<float> draws;
    std::string calls;
};

struct MessageCall {
    std::string prompt;
    int style;
    std::string title;
};

class RecordingMessageBox final : public MessageBox {
public:
    int show(std::string_view prompt, int style, std::string_view title) override
    {
        calls.push_back({std::string(prompt), style, std::string(title)});
        if (onShow) {
            onShow();
        }
        return 1;
    }

    std::vector<MessageCall> calls;
    std::function<void()> onShow;
};

class RecordingUnloader final : public WindowUnloader {
public:
    void unloadForm1() override { ++unloads; }

    int unloads = 0;
};

// A loaded game on the real core with every platform piece replaced.
struct Game {
    Game() { form.Form_Load(); }

    Module1 module;
    ScriptedKeys keys;
    ScriptedRandom random;
    RecordingMessageBox messageBox;
    RecordingUnloader unloader;
    Form1 form{module, Platform{keys, random, messageBox, unloader}};

    void placePlayer(std::int16_t top, std::int16_t left)
    {
        module.top = top;
        module.left = left;
    }
    void placeChaser(std::int16_t top, std::int16_t left)
    {
        form.Picture5.setTop(top);
        form.Picture5.setLeft(left);
    }
};

}  // namespace croquel::testing
