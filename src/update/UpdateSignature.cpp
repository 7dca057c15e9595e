#include "update/UpdateSignature.h"

#include <windows.h>

#include <vector>

#include "core/Signatures.h"
#include "platform/FileSystem.h"

UpdateKey MakerUpdateKey()
{
    UpdateKey key;
    std::copy(std::begin(UpdatePublicKey), std::end(UpdatePublicKey), key.begin());
    return key;
}

SignatureCheck::SignatureCheck(TComponent* owner, const UpdateKey& key)
    : get_(std::make_unique<THTTPGet>(owner, "GetSignature")), key_(key)
{
    get_->BinaryData = true;
    get_->WaitThread = true;
    get_->MaxSize = SignatureBytes;
}

bool SignatureCheck::Signed(const std::string& url, const std::string& file, const FileDigest& digest)
{
    const std::string signatureFile = file + ".sig";
    bool arrived = false;
    get_->URL = url + ".sig";
    get_->FileName = signatureFile;
    get_->OnDoneFile = [&arrived](const std::string&, int64_t) { arrived = true; };
    get_->OnError = {};
    get_->StartDownload();
    std::vector<uint8_t> signature;
    const bool ok = arrived && ReadWholeFile(signatureFile, signature) &&
                    DigestSignatureMatches(digest, signature, key_.data(), key_.size());
    DeleteFileA(signatureFile.c_str());
    return ok;
}
