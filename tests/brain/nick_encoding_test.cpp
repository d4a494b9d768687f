#include "brain/nick_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(NickEncoding, AllEightCharactersBecomeLettersAndComeBack) {
    const QString nick = "[a]-b_c^d`e|f\\g";
    const QString key = EncodeNick(nick);
    EXPECT_EQ(key,
              "SPCLFTBRCKTaSPCRGTBRCKTSPCMNUSYMBLbSPCUNDRSMBLcSPCUPERSMBLdSPCGRMRSMBLeSPCGLINSMBLf"
              "SPCBLINSMBLg");
    for (QChar c : key)
        EXPECT_TRUE(c.isLetter()) << key.toStdString();
    EXPECT_EQ(DecodeNick(key), nick);
}

TEST(NickEncoding, PlainNicksAndTokenNicks) {
    EXPECT_EQ(EncodeNick("Anna"), "Anna");
    EXPECT_EQ(DecodeNick("SPCUNDRSMBL"), "_") << "a nick that holds a token text is shown decoded";
    EXPECT_EQ(DecodeNick("spcundrsmbl"), "spcundrsmbl") << "tokens are case-sensitive";
}

}  // namespace
