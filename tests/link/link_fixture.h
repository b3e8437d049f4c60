#pragma once

#include "core/language.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/link_hooks.h"
#include "link/packet.h"
#include "platform/paths.h"
#include "tests/support/event_scope.h"
#include "tests/support/fake_serial_port.h"
#include "tests/support/kl720_fake_link.h"
#include "tests/support/kl720_instrument.h"
#include "tests/support/link_reset.h"
#include "tests/support/strict_ui.h"
#include "tests/support/virtual_time.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

inline QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The English language table for the life of a test.
class EnglishTexts {
public:
    EnglishTexts() {
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        EXPECT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(1);
    }
    ~EnglishTexts() {
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
    }
};

// The link on a fake port with virtual time, the emulated instrument behind it, scripted
// boxes, and the observers recorded.
class LinkTest : public ::testing::Test {
protected:
    struct Status {
        CommPicture picture;
        QString text;
    };

    void SetUp() override {
        LinkReplyHook() = LinkReplyHooks();
        ASSERT_TRUE(OpenFakeInstrumentLink(time, instrument, port));
        events.On(&ProgramEvents::CommStatus, [this](int p, const QString& t) {
            statuses.push_back({static_cast<CommPicture>(p), t});
        });
        events.On(&ProgramEvents::LinkStateChanged,
                  [this](bool c) { connectedCalls.push_back(c); });
        events.On(&ProgramEvents::InfoChanged, [this] { ++infoUpdates; });
        events.On(&ProgramEvents::PortLost, [this] { ++portLost; });
    }

    void TearDown() override {
        events.Clear();
        ResetLinkForTests();
    }

    // As if connected already (no question, no exchanges).
    void connectQuietly() { CommState().Connected = true; }
    QString lastStatusText() const { return statuses.empty() ? QString() : statuses.back().text; }
    CommPicture lastPicture() const { return statuses.back().picture; }
    // Replies with bytes after afterMs instead of the instrument.
    void replyWith(const QByteArray& bytes, qint64 afterMs = 5) {
        port->responder = [this, bytes, afterMs](const QByteArray&) {
            port->Arrive(afterMs, bytes);
        };
    }
    void silent() { port->responder = nullptr; }
    int writesOf(int cmd) const {
        int n = 0;
        for (const QByteArray& w : port->writes)
            n += w.size() > 3 && static_cast<quint8>(w[3]) == cmd;
        return n;
    }

    EnglishTexts texts;
    StrictUi ui;
    VirtualTime time;
    Kl720Instrument instrument;
    FakeSerialPort* port = nullptr;
    std::vector<Status> statuses;
    std::vector<bool> connectedCalls;
    int infoUpdates = 0;
    int portLost = 0;
    EventScope events;
};
