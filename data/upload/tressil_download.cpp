#include "data/upload/tressil_download.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "core/wait_box.h"
#include "data/dataset.h"
#include "data/files/unsaved_data.h"
#include "data/upload/tressil_blocks.h"
#include "data/warnings/generate_warnings.h"

namespace {
void tell(const QString& text) {
    MessBox(text, QString(), -1, -1);
}

// Why the download stopped at a block (numbered from 1 as the user counts them).
QString refusalText(BlockRefusal refusal, qint32 block) {
    switch (refusal) {
    case BlockRefusal::GapTooLong:
        return ResString(3747).arg(block);
    case BlockRefusal::NoStep:
        return ResString(3970).arg(block);
    default:
        return ResString(3746).arg(block).arg(Blocks::MaxBlockSamples);
    }
}
} // namespace

bool DownloadTressilData() {
    return DownloadTressilData(BlockTimings());
}

bool DownloadTressilData(const BlockTimings& timings) {
    return Trapped("DownloadTressilData", false, [&] {
        // Asked before the instrument is read: a cancelled save cancels the download.
        if (!MayReplaceCurrentData())
            return false;
        BlockUnpacker unpacker;
        BlockRefusal refusal = BlockRefusal::None;
        BlockExchangeResult result;
        {
            WaitBoxScope wait;
            result = ExchangeBlocks(
                [&](qint32 block, QByteArrayView bytes) {
                    // The instrument sends every block twice: the second copy goes.
                    if (block % 2 != 0)
                        return true;
                    bool badDate = false;
                    refusal = unpacker.SpacchettaBlocco(block, bytes, &badDate);
                    if (badDate)
                        tell(QStringLiteral("Il formato della data è errato."));
                    return refusal == BlockRefusal::None;
                },
                timings);
        }
        switch (result.failure) {
        case BlockFailure::None:
            break;
        case BlockFailure::PortClosed:
            tell(QStringLiteral("Nessuna porta seriale disponibile per la comunicazione"));
            return false;
        case BlockFailure::NoCountReply:
            tell(QStringLiteral(
                "Errore nello scaricamento dei dati. Nessuna risposta dalla seriale."));
            return false;
        case BlockFailure::TooManyBlocks:
            tell(ResString(3745).arg(result.blocks).arg(Blocks::MaxBlocks));
            return false;
        case BlockFailure::BlockMissing:
            tell(QStringLiteral("Errore nella ricezione dei blocchi dei dati"));
            return false;
        case BlockFailure::Refused:
            tell(refusalText(refusal, result.failedBlock + 1));
            return false;
        }
        if (result.blocks < 1 || !unpacker.Started()) {
            tell(QStringLiteral("Non sono stati trovati dati validi all'interno della centralina"));
            return true;
        }
        DataSet& data = unpacker.Data();
        data.StopDate = unpacker.NextSampleTime();
        data.DataEndDate = unpacker.NextSampleTime();
        data.DataSourceName = QStringLiteral("Tressil");
        data.StopReason = -1;
        RecomputeStatistics(data);
        ReplaceCurrentData(std::move(data));
        GenerateWarnings();
        Events().DataSetReplaced();
        return true;
    });
}
