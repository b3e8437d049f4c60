#include "data/upload/split_upload_data.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "core/wait_box.h"
#include "data/dataset.h"
#include "data/upload/memory_image.h"
#include "data/upload/upload_hooks.h"
#include "data/warnings/generate_warnings.h"
#include "platform/clock.h"

namespace {
// Head of the reply before the image, and the CRC after it.
constexpr int ReplyHeadBytes = 4;
constexpr int ReplyCrcBytes = 2;
// The wait box's marker moves once every this many samples.
constexpr int SamplesPerStep = 20;
} // namespace

bool SplitUploadData(const QByteArray& reply) {
    return Trapped("SplitUploadData", false, [&] {
        const qsizetype imageBytes = reply.size() - ReplyHeadBytes - ReplyCrcBytes;
        const QByteArrayView image = imageBytes > 0
                                         ? QByteArrayView(reply).sliced(ReplyHeadBytes, imageBytes)
                                         : QByteArrayView();
        WaitBoxScope wait(ResString(39));
        const QDateTime now = CurrentClock().Now();
        UnpackedImage unpacked = UnpackMemoryImage(image, now);
        if (unpacked.Refusal != ImageRefusal::None) {
            MessBox(ResString(3032), QString(), -1, -1);
            return false;
        }
        // An image without a readable start time: the user may say when the session
        // started; without an answer the start stays as the stamp decodes.
        if (unpacked.StartUnreadable && UploadHook().AskStartDate) {
            // The question stands alone: the wait box comes back once it is answered.
            HideWaitBox();
            const QDateTime answer = UploadHook().AskStartDate();
            ShowWaitBox(ResString(39));
            if (answer.isValid() && answer != NoDateAnswer())
                unpacked = UnpackMemoryImage(image, now, answer);
        }
        // The box's marker shows that the program works on.
        for (qint32 i = SamplesPerStep; i <= unpacked.Data.NumSamples; i += SamplesPerStep)
            StepWaitBox(1);

        RecomputeStatistics(unpacked.Data);
        ReplaceCurrentData(std::move(unpacked.Data));
        GenerateWarnings();
        return true;
    });
}
