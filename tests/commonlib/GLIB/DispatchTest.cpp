// Message dispatch: delivery order, and exactly-once delivery while receivers attach and detach.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GLIB/GLIB_Message.h"
#include "GLIB/GLIB_MessageConnection.h"
#include "GLIB/GLIB_MessageTarget.h"
#include "GLIB/GLIB_Observable.h"

namespace {

class Ping : public GLIB_Message {
public:
    void TypeName(std::string& name) const override { name = "Ping"; }
};

class Pong : public GLIB_Message {
public:
    void TypeName(std::string& name) const override { name = "Pong"; }
};

// A receiver that logs its name on every delivery and may run an action while receiving.
class Receiver : public GLIB_MessageTarget {
public:
    Receiver(std::string name, std::vector<std::string>& log) : name(std::move(name)), log(log) {}
    std::string name;
    std::vector<std::string>& log;
    std::function<void()> onReceive;
};

class ReceiverConnection : public GLIB_MessageConnection {
public:
    ReceiverConnection(Receiver& receiver, std::string accepted)
        : GLIB_MessageConnection(receiver), m_receiver(receiver), m_accepted(std::move(accepted)) {}
    bool Accepts(const GLIB_Message& message) const override {
        std::string name;
        message.TypeName(name);
        return m_accepted.empty() || name == m_accepted;
    }
    void Deliver(const GLIB_Message&) override {
        Receiver& receiver = m_receiver;  // the connection may be gone once the action has run
        receiver.log.push_back(receiver.name);
        if (receiver.onReceive) receiver.onReceive();
    }

private:
    Receiver& m_receiver;
    std::string m_accepted;
};

void Connect(GLIB_Observable& source, Receiver& receiver, std::string accepted = "") {
    source.Attach(std::make_unique<ReceiverConnection>(receiver, std::move(accepted)));
}

// Three receivers, connected to the source on request; they leave it before it goes.
class Dispatch : public ::testing::Test {
protected:
    void ConnectAll() {
        for (Receiver* receiver : {&a, &b, &c}) Connect(source, *receiver);
    }

    std::vector<std::string> log;
    GLIB_Observable source;
    Ping ping;
    Receiver a{"a", log}, b{"b", log}, c{"c", log};
};

TEST_F(Dispatch, DeliversInAttachmentOrderToAcceptingConnections) {
    Connect(source, a);
    Connect(source, b, "Pong");
    Connect(source, c, "Ping");
    source.Send(ping);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(source.Dispatcher().ConnectionCount(), 3u);
}

TEST_F(Dispatch, ReceiverThatDetachesItselfDoesNotMakeOthersHearTwice) {
    ConnectAll();
    b.onReceive = [&] { source.Detach(b); };
    source.Send(ping);
    source.Send(ping);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "a", "c"}));
    EXPECT_FALSE(b.IsConnectedTo(source.Dispatcher()));
}

TEST_F(Dispatch, ReceiverAttachedDuringDeliveryHearsTheMessageOnce) {
    Connect(source, a);
    Connect(source, b);
    bool attached = false;
    a.onReceive = [&] {
        if (!attached) Connect(source, c);
        attached = true;
    };
    source.Send(ping);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
}

// A receiver that changes a setting makes the globals broadcast again from inside the delivery.
TEST_F(Dispatch, ASendFromInsideADeliveryLosesNoReceiverOfTheFirst) {
    ConnectAll();
    bool again = true;
    a.onReceive = [&] {
        if (std::exchange(again, false)) source.Send(ping);
    };
    source.Send(ping);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "b", "c", "b", "c"}));
}

TEST_F(Dispatch, DetachingALaterReceiverDuringDeliverySkipsIt) {
    ConnectAll();
    a.onReceive = [&] { source.Detach(c); };
    source.Send(ping);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(source.Dispatcher().ConnectionCount(), 2u);
}

TEST_F(Dispatch, DetachByMessageRemovesOnlyConnectionsThatAcceptIt) {
    Connect(source, a, "Ping");
    Connect(source, a, "Pong");
    source.Detach(ping, a);
    source.Send(ping);
    source.Send(Pong());
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
    EXPECT_TRUE(a.IsConnectedTo(source.Dispatcher()));
}

TEST_F(Dispatch, DestroyedTargetLeavesEveryDispatcher) {
    GLIB_Observable other;
    {
        Receiver gone("gone", log);
        Connect(source, gone);
        Connect(other, gone);
        Connect(other, gone);
        EXPECT_EQ(gone.DispatcherCount(), 2u);
    }
    EXPECT_EQ(source.Dispatcher().ConnectionCount(), 0u);
    EXPECT_EQ(other.Dispatcher().ConnectionCount(), 0u);
    source.Send(ping);
    EXPECT_TRUE(log.empty());
}

TEST_F(Dispatch, TargetKeepsTheRecordAliveAfterTheSourceIsGone) {
    {
        GLIB_Observable shortLived;
        Connect(shortLived, a);
    }
    EXPECT_EQ(a.DispatcherCount(), 1u);
    // Destroying `a` at the end frees the record; the sanitizers check that nothing is touched afterwards.
}

TEST_F(Dispatch, AThrowingReceiverLeavesTheDispatcherUsable) {
    Connect(source, a);
    Connect(source, b);
    a.onReceive = [] { throw std::runtime_error("receiver failed"); };
    EXPECT_THROW(source.Send(ping), std::runtime_error);
    a.onReceive = nullptr;
    source.Send(ping);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "b"}));
}

}  // namespace
