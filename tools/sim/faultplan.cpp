#include "faultplan.h"

#include "cipher/cipherwrappers.h"
#include "cipher/fixedkeys.h"
#include "cipher/simplecrypt.h"
#include "cipherforge.h"
#include "framecodec.h"
#include "framereader.h"

namespace LxSim {

FaultPlan FaultPlan::make(Fault fault, const QByteArray& reply, const QByteArray& second)
{
    const QByteArray other = second.isEmpty() ? reply : second;
    const QByteArray frame = FrameCodec::encode(reply);
    FaultPlan plan;
    switch (fault) {
    case Fault::SplitBytes:
        for (char byte : frame)
            plan.chunks.append(QByteArray(1, byte));
        break;
    case Fault::TwoFramesOneWrite:
        plan.chunks.append(frame + FrameCodec::encode(other));
        break;
    case Fault::HeaderOnly:
        plan.chunks.append(frame.left(FrameCodec::headerSize));
        break;
    case Fault::ZeroLength:
        plan.chunks.append(FrameCodec::header(0) + FrameCodec::encode(other));
        break;
    case Fault::OversizeLength:
        plan.chunks.append(FrameCodec::header(FrameReader::maxFrameLength + 1) + QByteArray(8, 'x'));
        break;
    case Fault::WrongKey: {
        // The message key with its bits inverted: certainly another key.
        SimpleCrypt wrong(~messageCipherKey());
        plan.chunks.append(FrameCodec::frame(wrong.encryptToByteArray(reply)));
        break;
    }
    case Fault::FlippedByte: {
        QByteArray cipher = encryptMessage(reply);
        const int at = 2 + (cipher.size() - 2) / 2;
        cipher[at] = char(~cipher[at]);
        plan.chunks.append(FrameCodec::frame(cipher));
        break;
    }
    case Fault::DamagedZlib: {
        const QByteArray payload = CipherForge::brokenCompressed(reply);
        const CipherForge forge;
        plan.chunks.append(
            FrameCodec::frame(forge.build(CipherForge::Compressed | CipherForge::Checksum, payload)));
        break;
    }
    case Fault::MalformedXml:
        plan.chunks.append(FrameCodec::encode("this is <not> xml <<"));
        break;
    case Fault::TruncatedXml:
        plan.chunks.append(FrameCodec::encode(reply.left(qMax(1, qMin(5, reply.size() - 1)))));
        break;
    case Fault::UnterminatedXml: {
        // Cut just before the root's end tag.
        const int cut = reply.lastIndexOf("</");
        plan.chunks.append(FrameCodec::encode(cut > 0 ? reply.left(cut) : reply));
        break;
    }
    case Fault::CloseMidFrame:
        plan.chunks.append(frame.left(FrameCodec::headerSize + (frame.size() - FrameCodec::headerSize) / 2));
        plan.closeAfter = true;
        break;
    }
    return plan;
}

QString FaultPlan::name(Fault fault)
{
    switch (fault) {
    case Fault::SplitBytes:
        return QStringLiteral("split-bytes");
    case Fault::TwoFramesOneWrite:
        return QStringLiteral("two-frames-one-write");
    case Fault::HeaderOnly:
        return QStringLiteral("header-only");
    case Fault::ZeroLength:
        return QStringLiteral("zero-length");
    case Fault::OversizeLength:
        return QStringLiteral("oversize-length");
    case Fault::WrongKey:
        return QStringLiteral("wrong-key");
    case Fault::FlippedByte:
        return QStringLiteral("flipped-byte");
    case Fault::DamagedZlib:
        return QStringLiteral("damaged-zlib");
    case Fault::MalformedXml:
        return QStringLiteral("malformed-xml");
    case Fault::TruncatedXml:
        return QStringLiteral("truncated-xml");
    case Fault::UnterminatedXml:
        return QStringLiteral("unterminated-xml");
    case Fault::CloseMidFrame:
        return QStringLiteral("close-mid-frame");
    }
    return QString();
}

QList<Fault> FaultPlan::all()
{
    return {Fault::SplitBytes,     Fault::TwoFramesOneWrite, Fault::HeaderOnly,      Fault::ZeroLength,
            Fault::OversizeLength, Fault::WrongKey,          Fault::FlippedByte,     Fault::DamagedZlib,
            Fault::MalformedXml,   Fault::TruncatedXml,      Fault::UnterminatedXml, Fault::CloseMidFrame};
}

} // namespace LxSim
