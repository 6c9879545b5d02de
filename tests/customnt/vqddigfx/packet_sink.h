#pragma once
// packet_sink.h - a packet sender for PDEVs under test that records every packet the engine sends (an empty
// write excepted) before passing it on to the real sender, and a fixture whose PDEVs use it.

#include "pdev_fixture.h"
#include "customnt/vqddigfx/output_stream.h"

#include <vector>

struct SentPacket {
    BYTE type;
    WORD detail;    // the section kind of a set-section packet, the length of a write packet
    bool operator==(const SentPacket&) const = default;
};

// Where RecordAndSend records; the test points it at its own list and clears it when done.
inline std::vector<SentPacket>* g_sentPackets = nullptr;

inline BOOL RecordAndSend(PDEV* pdev)
{
    const BYTE type = pdev->bPacketType;
    const bool isWrite = type == kCmdWrite;
    if (g_sentPackets != nullptr && (!isWrite || pdev->cbPacket != 0))
        g_sentPackets->push_back({type, static_cast<WORD>(isWrite ? pdev->cbPacket : type == kCmdSetSection
                                                                                       ? pdev->wSectionKind
                                                                                       : 0)});
    return SendStreamPacket(pdev);
}

// The packets other than writes: the stream's commands in order.
inline std::vector<SentPacket> StreamCommands(const std::vector<SentPacket>& sent)
{
    std::vector<SentPacket> commands;
    for (const SentPacket& p : sent)
        if (p.type != kCmdWrite)
            commands.push_back(p);
    return commands;
}

class PacketRecordingTest : public PdevTest {
protected:
    void SetUp() override
    {
        PdevTest::SetUp();
        g_sentPackets = &m_sent;
    }
    void TearDown() override
    {
        g_sentPackets = nullptr;
        PdevTest::TearDown();
    }

    // A PDEV as Enable makes it, whose packets are recorded in m_sent.
    PDEV* EnableWithSink(const DRIVER_DEVMODE& dm)
    {
        PDEV* pdev = Enable(dm);
        if (pdev != nullptr)
            pdev->pfnSendPacket = RecordAndSend;
        return pdev;
    }

    std::vector<SentPacket> m_sent;
};
