#include "csv/Sha256.h"

#include <openssl/evp.h>

Sha256::Sha256() : m_context(EVP_MD_CTX_new())
{
    EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr);
}

Sha256::~Sha256()
{
    EVP_MD_CTX_free(m_context);
}

void Sha256::add(QByteArrayView bytes)
{
    EVP_DigestUpdate(m_context, bytes.data(), size_t(bytes.size()));
}

QByteArray Sha256::result()
{
    QByteArray digest(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int size = 0;
    EVP_DigestFinal_ex(m_context, reinterpret_cast<unsigned char*>(digest.data()), &size);
    digest.resize(size);
    return digest;
}

QByteArray Sha256::of(QByteArrayView bytes)
{
    Sha256 hash;
    hash.add(bytes);
    return hash.result();
}
