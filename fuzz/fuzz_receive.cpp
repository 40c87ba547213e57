// Serial input, split over receive ticks, through the diagnosis window's poll cycle: the reply line
// cut from the receive buffer, checked, and handed by its type code to the views, on a panel laid
// out for a catalogue model. The window object is kept across inputs as the program keeps it, so
// the page counter runs on from one opening to the next.
#include "diagnosis/dynamic_texts.h"
#include "diagnosis/poll_cycle.h"
#include "fake_link.h"
#include "fuzz/receive_plan.h"
#include "search/instrument_list.h"
#include "views/instrument_types.h"

#include <cstdint>
#include <cstdlib>

namespace {

// What the diagnosis window keeps for the whole run.
struct Window {
    FakeLink link;
    protocol::LineTexts line;
    InstrumentList list;
    PollCycle cycle{link, line, list, &views::viewForCode};

    Window() { list.setText(1, InstrumentList::kAddressColumn, QStringLiteral("0001（0x01H）")); }

    // The load step: the panel as designed, the model label, the model's layout.
    void open(int layout) {
        QString model;
        const auto& types = views::instrumentTypes();
        if (layout < static_cast<int>(types.size())) model = types[layout].model;
        else if (layout == fuzz::kUnknownModel) model = QStringLiteral("LED系列——未列出的仪表");
        list.setText(1, InstrumentList::kTypeColumn, model);
        cycle.begin();
        cycle.panel().label3[2].caption = dynamictext::kTypeLabel + model;
        views::layoutForModel(model, cycle.panel());
    }

    // One receive tick. A tick that brings nothing new and leaves the page counter alone must
    // leave the panel alone too: only paging views may change what a repeated line shows.
    void receive(const QByteArray& bytes) {
        const panel::PanelModel before = cycle.panel();
        const qint16 tnBefore = cycle.tn();
        const bool repeatsOnly = !line.receiveBuffer.isEmpty() && bytes.isEmpty();
        link.input = bytes;
        cycle.receiveTick();
        if (repeatsOnly && cycle.tn() == tnBefore && cycle.panel() != before) std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Window window;
    const fuzz::ReceivePlan plan =
        fuzz::decodePlan(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    window.open(plan.layout);
    for (const fuzz::Chunk& chunk : plan.chunks) {
        if (chunk.sendFirst) window.cycle.sendTick();
        window.receive(chunk.bytes);
    }
    for (int i = 0; i < plan.quietTicks; ++i) window.receive({});
    window.cycle.unload();
    window.link.written.clear();
    return 0;
}
