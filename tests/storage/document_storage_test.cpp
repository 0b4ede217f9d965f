// The container's bytes: header, item texts, typed reads, stream lookup and the
// refusal of damaged data without reading outside the buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "storage/document_storage.h"
#include "storage/errors.h"

using namespace kvz;

namespace {

// A writable buffer with a container header, ready for writes.
struct Writer {
    explicit Writer(uint32_t size = 4096, const std::string& name = "Kvrz2015") : bytes(size, 0), storage(bytes.data(), size, false) {
        storage.CreateStorage(name);
    }
    std::string Items() const {
        return std::string(bytes.begin() + 60, bytes.begin() + storage.Position());
    }
    std::vector<uint8_t> bytes;
    mTDocumentStorage storage;
};

// A read-only storage over header + the given item bytes.
struct Reader {
    Reader(const std::string& items, const std::string& version = "0102") {
        std::string header = std::string("QZSG") + std::string(12, ' ') + "Kvrz2015" + version + std::string(32, 'F');
        std::string all = header + items;
        bytes.assign(all.begin(), all.end());
        storage = std::make_unique<mTDocumentStorage>(bytes.data(), static_cast<uint32_t>(bytes.size()), true);
        storage->OpenStorage();
    }
    std::vector<uint8_t> bytes;
    std::unique_ptr<mTDocumentStorage> storage;
};

template <class E>
E Catch(const std::function<void()>& f) {
    try {
        f();
    } catch (const E& e) {
        return e;
    }
    ADD_FAILURE() << "expected exception not raised";
    return E("", 0);
}

}  // namespace

TEST(ContainerHeader, NewContainerBeginsWithTheFixedSixtyBytes) {
    Writer w;
    std::string header(w.bytes.begin(), w.bytes.begin() + 60);
    EXPECT_EQ(header, "QZSG            Kvrz201501" "02FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(w.storage.Position(), 60u);
}

TEST(ContainerHeader, LongNameKeepsItsFirstTwentyCharactersAndReadsBackTrimmed) {
    Writer w(200, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(std::string(w.bytes.begin() + 4, w.bytes.begin() + 24), "ABCDEFGHIJKLMNOPQRST");
    mTDocumentStorage r(w.bytes.data(), 200, true);
    r.OpenStorage();
    EXPECT_EQ(r.StorageName(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(r.VersionMajor(), 1);
    EXPECT_EQ(r.VersionMinor(), 2);
    EXPECT_EQ(r.Reserved(), std::string(32, 'F'));
}

TEST(ContainerHeader, WrongSignatureShortOrSecondOpenAreRefusedWithTheirCodes) {
    std::vector<uint8_t> bad(100, 'x');
    mTDocumentStorage s(bad.data(), 100, true);
    auto e = Catch<mEBadStorage>([&] { s.OpenStorage(); });
    EXPECT_EQ(e.Code, 68);
    EXPECT_STREQ(e.what(), "Неправильный формат файла декларации, возможно он поврежден.");
    EXPECT_FALSE(s.Opened());

    std::vector<uint8_t> shortFile = {'Q', 'Z', 'S', 'G', ' '};
    mTDocumentStorage s2(shortFile.data(), 5, true);
    EXPECT_EQ(Catch<mEBadStorage>([&] { s2.OpenStorage(); }).Code, 68);

    Reader r("");
    EXPECT_EQ(Catch<mEAlreadyCreated>([&] { r.storage->OpenStorage(); }).Code, 69);
}

TEST(ContainerItems, WritersProduceTheDocumentedTexts) {
    Writer w;
    w.storage.WriteString("");
    w.storage.WriteInteger(1234);
    w.storage.WriteCurrency(Money::FromRaw(12345000));
    w.storage.WriteBoolean(true);
    w.storage.WriteWord(65535);
    w.storage.WriteCurrency(Money::FromRaw(-2500));
    w.storage.WriteCurrency(Money::FromUnits(100));
    w.storage.WriteDouble(36526);
    w.storage.WriteInteger(-1);
    w.storage.WriteString("Иванов");
    EXPECT_EQ(w.Items(), std::string("0000") + "00041234" + "00061234.5" + "00011" + "000565535" + "0005-0.25" +
                             "0003100" + "000536526" + "00104294967295" + "0006" + "\xC8\xE2\xE0\xED\xEE\xE2");
}

TEST(ContainerItems, StreamMarkerIsAStringItemOfTheName) {
    Writer w;
    w.storage.CreateStream("@DeclInfo");
    EXPECT_EQ(w.Items(), "0009@DeclInfo");
    EXPECT_EQ(w.storage.CurrentStream(), "@DeclInfo");
}

TEST(ContainerItems, TypedReadsFollowTheReaderRules) {
    Reader r("0001a" "00041,25" "00041.25" "0000" "7" "00041234" "00104294967295" "000570000" "0003300");
    EXPECT_EQ(r.storage->ReadCurrency(), kAbsentAmount);
    EXPECT_EQ(r.storage->ReadCurrency(), Money::FromRaw(12500));
    EXPECT_EQ(r.storage->ReadCurrency(), Money::FromRaw(12500));
    // A zero length is read as one byte.
    EXPECT_EQ(r.storage->ReadInteger(), 7);
    EXPECT_EQ(r.storage->ReadInteger(), 1234);
    EXPECT_EQ(r.storage->ReadInteger(), -1);
    EXPECT_EQ(r.storage->ReadWord(), 70000 & 0xFFFF);
    EXPECT_EQ(r.storage->ReadByte(), 300 & 0xFF);
}

TEST(ContainerItems, DateFormDependsOnTheFileVersion) {
    Reader oldFile("001001.01.2000", "0101");
    EXPECT_EQ(oldFile.storage->ReadDateTime(), 36526);
    Reader newFile("000536526" "001001.01.2000", "0102");
    EXPECT_EQ(newFile.storage->ReadDateTime(), 36526);
    EXPECT_THROW(newFile.storage->ReadDateTime(), EConvertError);
    Reader comma("000742000,5");
    EXPECT_EQ(comma.storage->ReadDateTime(), 42000.5);
}

TEST(ContainerItems, TextsThatDoNotConvertRaiseTheConversionError) {
    Reader r("0003abc" "0002x1" "00041.2.");
    EXPECT_THROW(r.storage->ReadInteger(), EConvertError);
    EXPECT_THROW(r.storage->ReadCurrency(), EConvertError);
    EXPECT_THROW(r.storage->ReadCurrency(), EConvertError);
}

TEST(ContainerItems, DamagedLengthsAndReadsPastTheEndAreBadFormatNotCrashes) {
    Reader badLength("00x4abcd");
    auto e = Catch<mEBadStorage>([&] { badLength.storage->ReadString(); });
    EXPECT_STREQ(e.what(), "Неправильный формат файла декларации, возможно он поврежден.");
    Reader pastEnd("0009abc");
    EXPECT_THROW(pastEnd.storage->ReadString(), mEBadStorage);
    Reader nothing("");
    EXPECT_THROW(nothing.storage->ReadInteger(), mEBadStorage);
    Reader partialLength("00");
    EXPECT_THROW(partialLength.storage->ReadWord(), mEBadStorage);
}

TEST(ContainerWrites, RefusedWhenReadOnlyNotOpenedTooLongOrPastTheEnd) {
    std::vector<uint8_t> bytes(100, 0);
    mTDocumentStorage notOpened(bytes.data(), 100, false);
    EXPECT_EQ(Catch<mEObjectAccess>([&] { notOpened.WriteString("x"); }).Code, 151);
    EXPECT_EQ(Catch<mEObjectAccess>([&] { notOpened.CreateStream("@X"); }).Code, 82);
    EXPECT_EQ(Catch<mEObjectAccess>([&] { notOpened.ReadCurrency(); }).Code, 122);
    EXPECT_EQ(Catch<mEObjectAccess>([&] { notOpened.OpenStream("@X"); }).Code, 211);

    Reader r("");
    EXPECT_EQ(Catch<mEWriteStorage>([&] { r.storage->WriteInteger(1); }).Code, 160);
    EXPECT_EQ(Catch<mEWriteStorage>([&] { r.storage->CreateStream("@X"); }).Code, 81);
    EXPECT_EQ(Catch<mEWriteStorage>([&] { r.storage->CreateStorage("X"); }).Code, 51);

    Writer w(20000);
    EXPECT_NO_THROW(w.storage.WriteString(std::string(9999, 'a')));
    uint32_t before = w.storage.Position();
    EXPECT_THROW(w.storage.WriteString(std::string(10000, 'a')), mEWriteStorage);
    EXPECT_EQ(w.storage.Position(), before);  // nothing cut, nothing written

    Writer tiny(70);
    EXPECT_THROW(tiny.storage.WriteString("0123456789"), mEWriteStorage);
    EXPECT_THROW(w.storage.CreateStorage("again"), mEAlreadyCreated);
}

TEST(ContainerWrites, TextThatWindows1251CannotHoldIsRefused) {
    Writer w;
    EXPECT_THROW(w.storage.WriteString("smile 😀"), EEncodingError);
    EXPECT_EQ(w.storage.Position(), 60u);
}

TEST(ContainerStreams, OpenStreamLandsBehindTheFirstWholeMarker) {
    Writer w;
    w.storage.CreateStream("@PersonAddress");
    w.storage.WriteString("ivan@Pension.ru");  // holds "@Pens" inside a text
    w.storage.CreateStream("@PensSub000");
    w.storage.WriteInteger(5);
    w.storage.CreateStream("@Pens");
    w.storage.WriteInteger(7);
    uint32_t size = w.storage.Position();
    mTDocumentStorage r(w.bytes.data(), size, true);
    r.OpenStorage();
    r.OpenStream("@Pens");
    EXPECT_EQ(r.ReadInteger(), 7);
    r.OpenStream("@PensSub000");
    EXPECT_EQ(r.ReadInteger(), 5);
    r.OpenStream("@PersonAddress");
    EXPECT_EQ(r.ReadString(), "ivan@Pension.ru");
    auto e = Catch<mEOpenStream>([&] { r.OpenStream("@Missing"); });
    EXPECT_EQ(e.Code, 210);
    EXPECT_STREQ(e.what(), "Попытка открытия несуществующего потока");
}

TEST(ContainerStreams, MissingStreamInDamagedDataIsBadFormat) {
    Reader r("0005@Aaaa" "zzzz" "0005@Bbbb");
    r.storage->OpenStream("@Aaaa");
    EXPECT_THROW(r.storage->OpenStream("@Bbbb"), mEBadStorage);
    Reader clean(std::string("0005@Aaaa") + std::string(5, '\0'));
    EXPECT_THROW(clean.storage->OpenStream("@Bbbb"), mEOpenStream);
}

TEST(PutFieldTest, AlignsRightPadsAndCuts) {
    uint8_t field[6];
    std::memset(field, '#', sizeof field);
    PutField(field, "12", 4, '0');
    EXPECT_EQ(std::string(field, field + 4), "0012");
    PutField(field, "abcdef", 4, ' ');
    EXPECT_EQ(std::string(field, field + 4), "abcd");
    PutField(field, "", 4, ' ');
    EXPECT_EQ(std::string(field, field + 4), "abcd");
}
