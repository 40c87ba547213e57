// Serial input, split over receive ticks, through the diagnosis window's poll engine and poll
// cycle: the reply line cut by the engine's reader, checked, and handed by its type code to the
// views, on a panel laid out for a catalogue model. The window object is kept across inputs as
// the program keeps it, so the page counter runs on from one opening to the next.
#include "diagnosis/dynamic_texts.h"
#include "diagnosis/poll_cycle.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "fuzz/receive_plan.h"
#include "protocol/frame.h"
#include "search/instrument_list.h"
#include "views/instrument_types.h"

#include <cstdint>
#include <cstdlib>

namespace {

// What the diagnosis window keeps for the whole run. Its ticks are called here, not by timers.
struct Window {
    FakeLink link;
    PollCycle cycle{&views::viewForCode};
    engine::PollEngine engine{link};

    // The load step: the panel as designed, the model label, the model's layout, polling.
    void open(int layout) {
        Instrument instrument;
        instrument.address = 1;
        instrument.addressText = "01";
        const auto& entries = views::instrumentTypes();
        // An unlisted code has no model name and keeps the design layout.
        instrument.typeCode = layout < static_cast<int>(entries.size()) ? entries[layout].code : 0x0C;
        const QString model = instrument.modelName();
        cycle.begin(instrument);
        cycle.panel().label3[2].caption = dynamictext::kTypeLabel + model;
        views::layoutForModel(model, cycle.panel());
        link.open();
        engine.start(cycle, engine::kTicksByHand);
    }

    // One receive tick. A tick that brings nothing new and leaves the page counter alone must
    // leave the panel alone too: only paging views may change what a repeated line shows.
    void receive(const QByteArray& bytes) {
        const panel::PanelModel before = cycle.panel();
        const qint16 tnBefore = cycle.tn();
        const bool repeatsOnly = !engine.reader().buffer().isEmpty() && bytes.isEmpty();
        link.input = bytes;
        engine.receiveTick();
        if (repeatsOnly && cycle.tn() == tnBefore && cycle.panel() != before) std::abort();
        // The reader, fed piece by piece, finds the line that cutting the whole input at once finds.
        const engine::ReplyReader& reader = engine.reader();
        const auto whole = protocol::cutReplyLine(reader.buffer(), reader.request());
        if (whole.has_value() != (reader.status() != engine::ReplyStatus::NoneYet)) std::abort();
        if (whole && *whole != reader.line()) std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Window window;
    const fuzz::ReceivePlan plan = fuzz::decodePlan(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    window.open(plan.layout);
    for (const fuzz::Chunk& chunk : plan.chunks) {
        if (chunk.sendFirst) window.engine.sendTick();
        window.receive(chunk.bytes);
    }
    for (int i = 0; i < plan.quietTicks; ++i)
        window.receive({});
    window.engine.stop();
    window.cycle.unload();
    window.link.written.clear();
    return 0;
}
