#include "diagnosis/panel_texts.h"

#include "diagnosis/dynamic_texts.h"
#include "views/instrument_types.h"
#include "views/led/led_captions.h"
#include "views/multi/lcd_captions.h"

QStringList panelTexts() {
    namespace led = views::led;
    namespace lcd = views::captions;
    QStringList texts = {dynamictext::kPortLabel, dynamictext::kRateLabel, dynamictext::kTypeLabel};
    for (const char* caption : {led::kControlOutput, led::kSetValue, led::kSecondInput, led::kPidOutput,
                                led::kCompensationTemperature, led::kCompensationPressure,
                                led::kInstantaneousFlow, led::kActivePowerTitle, led::kReactivePowerTitle,
                                led::kFrequencyTitle, led::kPowerMeterTypeCaption})
        texts << QString::fromUtf8(caption);
    for (const auto& group : {lcd::kChannel, lcd::kInstantFlowOf, lcd::kTotalFlowOf})
        for (const QString& caption : group)
            texts << caption;
    texts << lcd::kPowerFailure << lcd::kInstantFlow << lcd::kInstantHeat << lcd::kTotalFlow
          << lcd::kTotalHeat << lcd::kSetValue << lcd::kManualOutput << lcd::kAutomaticOutput;
    for (const views::InstrumentType& entry : views::instrumentTypes())
        texts << entry.model;
    return texts;
}
