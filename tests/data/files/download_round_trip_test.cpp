#include "data/files/session_log.h"
#include "data/upload/memory_image.h"
#include "tests/data/upload/image_builder.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <gtest/gtest.h>

// Every value a download can give comes back from a session file as the same value.
TEST(DownloadRoundTrip, EveryInstrumentValueReadsBackExactly) {
    for (const bool highRange : {false, true}) {
        for (int raw = 0; raw <= 0xFFFF; ++raw) {
            const float value = SampleValue(static_cast<quint8>(raw >> 8),
                                            static_cast<quint8>(raw & 0xFF), highRange);
            for (const char decimal : {'.', ','}) {
                char text[TwoDecimalsMaxLength];
                const char* end = WriteTwoDecimals(text, value, decimal);
                const QString written = QString::fromLatin1(text, end - text);
                ASSERT_EQ(static_cast<float>(Val(written, true)), value)
                    << raw << (highRange ? " high " : " low ") << written.toStdString();
            }
        }
    }
}

TEST(DownloadRoundTrip, ADownloadedSessionComesBackIdentical) {
    ImageBuilder image;
    image.SetIds("KL720-0042", QByteArray("Cantiere \"nord\", lato est"));
    for (int i = 0; i < 300; ++i)
        image.Add((i * 217) & 0xFFFF, (i * 4099 + 3) & 0xFFFF, (65535 - i * 31) & 0xFFFF, i % 8);
    const UnpackedImage unpacked =
        UnpackMemoryImage(image.Image(), NaiveDateTime(2026, 12, 10, 9, 0, 0));
    ASSERT_EQ(unpacked.Refusal, ImageRefusal::None);
    DataSet original = unpacked.Data;
    RecomputeStatistics(original); // as the download does after unpacking
    ASSERT_EQ(CheckSavable(original), SaveRefusal::None);
    for (const char* name : {"C", "it_IT", "en_US"}) {
        const FileTextLocale text{QLocale(QLatin1String(name))};
        DataSet back;
        ASSERT_EQ(ReadSessionLog(SessionLogBytes(original, text), text, back), LoadRefusal::None)
            << name;
        EXPECT_EQ(back.StartDate, original.StartDate) << name;
        EXPECT_EQ(back.StopDate, original.StopDate) << name;
        EXPECT_EQ(back.StopReason, original.StopReason) << name;
        EXPECT_EQ(back.SampleStep, original.SampleStep) << name;
        EXPECT_EQ(back.SampleStepUnit, original.SampleStepUnit) << name;
        EXPECT_EQ(back.NumSamples, original.NumSamples) << name;
        EXPECT_EQ(back.DataX, original.DataX) << name;
        EXPECT_EQ(back.DataY, original.DataY) << name;
        EXPECT_EQ(back.DataZ, original.DataZ) << name;
        EXPECT_EQ(back.DataRes, original.DataRes) << name;
        EXPECT_EQ(back.DataEndDate, original.DataEndDate) << name;
        EXPECT_EQ(SampleTimeTexts(back), SampleTimeTexts(original)) << name;
        EXPECT_EQ(back.MedianValue, original.MedianValue) << name;
        EXPECT_EQ(back.IDShort, original.IDShort) << name;
        // Quote marks in a text are written as blanks, so that the file stays readable.
        EXPECT_EQ(back.IDLong, QString(original.IDLong).replace(u'"', u' ')) << name;
    }
}
