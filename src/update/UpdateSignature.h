#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "update/HttpGet.h"

// The maker's public update key, compiled in from the build's key file.
extern const uint8_t UpdatePublicKey[32];
using UpdateKey = std::array<uint8_t, 32>;
UpdateKey MakerUpdateKey();

// Every file of the update server has its signature at the same URL followed by
// ".sig". Fetches it beside the downloaded file (its own download, which waits) and
// checks it; the signature file is gone afterwards. A missing, unreadable or wrong
// signature is the same as no signature.
class SignatureCheck {
public:
    SignatureCheck(TComponent* owner, const UpdateKey& key);
    void SetKey(const UpdateKey& key) { key_ = key; }
    // `digest` is the body's, taken as it arrived (THTTPGet::HashBody); `file` is where
    // the body went, beside which the signature is fetched.
    bool Signed(const std::string& url, const std::string& file, const FileDigest& digest);

private:
    std::unique_ptr<THTTPGet> get_;
    UpdateKey key_;
};
