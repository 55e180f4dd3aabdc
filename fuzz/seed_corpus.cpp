// Small real-looking files for each fuzzer to start from, made by the project's own code.
#include "harnesses.h"
#include "index/image_index.h"
#include "support/picture_factory.h"
#include "util/cp1252.h"

namespace lumivel::fuzz {

std::vector<std::string> SeedCorpus(const std::string& harness) {
  using namespace testing;
  if (harness == "param_file") {
    return {Utf8ToCp1252("rep_album_A.Caption = C:\\Lumivel\\A\r\ndt0_a = 1000\r\n_haut = 100\r\nvmax = 100\r\n"
                         "zoom_max10 = 32\r\ninc_dx = 500\r\nRdg1.ItemIndex = 0\r\nCheckBox_rnd.Checked = true\r\n"
                         "annee_de = 2014\r\nfiltre_contient = divers,avignon\r\n"),
            "vmax=100\nVMAX = $64\rdt0_a = 0x10\r\n_haut =   \r\n"};
  }
  if (harness == "text_list_file") {
    return {Utf8ToCp1252("C:\\Photos\r\nZ:\\home\\ann\\Photos été\r\n"), "true\r\nfalse\r\n",
            "C:\\Photos\\2014-10 Rome\r\nIMG_0001.JPG\r\nIMG_0002.JPG\r\n"};
  }
  if (harness == "index_records") {
    ImageIndex index;
    index.Append(0, "IMG_0001.JPG");
    index.Append(1, std::string(100, 'n'));
    index.Append(-5, "");
    return {index.Serialize()};
  }
  if (harness == "exclusion_file") {
    return {"' photos\r\n**C:\\Photos\\Brouillons\r\n+*C:\\Photos\\2014-10 Rome\r\nIMG_12.JPG\r\n"
            "IMG_20.JPG...IMG_23.JPG\r\n-\r\n**C:\\Photos\\\xC3\x89t\xC3\xA9\r\n",
            "\xEF\xBB\xBF**C:\\x\r\n+*D\r\na1.jpg...a99999999999.jpg\r\n\r\n-\r\n"};
  }
  if (harness == "ini_file") {
    return {"[Parametres]\r\nTexte=Bonjour\r\nCouleur=Vert\r\n", "; c\r\n[Autre]\r\nA=1\r\n[PARAMETRES]\r\ntexte = \"x\"\r\n"};
  }
  if (harness == "jpeg_file") {
    JpegOptions rotated;
    rotated.orientation = 6;
    JpegOptions big;
    big.orientation = 3;
    big.order = ByteOrder::kBig;
    big.progressive = true;
    return {QuadrantJpeg(16, 8, rotated), QuadrantJpeg(8, 8, big), QuadrantJpeg(8, 8)};
  }
  if (harness == "bmp_file") {
    const std::string palette("\x00\x00\xFF\x00\xFF\x00\x00\x00\x00\xFF\x00\x00", 12);
    const std::string core = std::string("BM\x2C\0\0\0\0\0\0\0\x20\0\0\0" "\x0C\0\0\0\x03\0\x01\0\x01\0\x01\0", 26) +
                             std::string("\x00\xFF\x00\xFF\x00\x00" "\xA0\0\0\0", 10);
    return {Bmp24(QuadrantPixels(4, 3), 4, 3), Bmp24(QuadrantPixels(2, 2), 2, 2, true),
            testing::BmpFile({.width = 5, .height = 2, .bitCount = 8, .compression = 1, .colorsUsed = 3,
                     .tables = palette,
                     .pixels = std::string("\x02\x01\x00\x03\x02\x00\x01\x00\x00\x00\x00\x02\x03\x00\x09\x02\x00\x01", 18)}),
            testing::BmpFile({.width = 6, .height = 2, .bitCount = 4, .compression = 2, .colorsUsed = 3,
                     .tables = palette,
                     .pixels = std::string("\x03\x12\x00\x03\x20\x10\x00\x00\x06\x21\x00\x01", 12)}),
            core};
  }
  if (harness == "ico_file") {
    IconImage image;
    image.entryWidth = 4;
    image.entryHeight = 4;
    image.entryBitCount = 24;
    image.bytes = IconBitmap(4, 4, 24, QuadrantPixels(4, 4), {}, std::vector<bool>(16, false));
    return {testing::IcoFile({image})};
  }
  if (harness == "wmf_file" || harness == "emf_file") {
    const std::vector<MetaRect> rects = {{0, 0, 10, 20, {200, 0, 0}}, {10, 5, 40, 20, {0, 0, 200}}};
    if (harness == "wmf_file") return {testing::WmfFile(40, 20, 1440, rects), testing::WmfFile(3, 2, 96, {})};
    return {testing::EmfFile(1058, 529, 40, 20, rects), testing::EmfFile(0, 0, 3, 2, {})};
  }
  return {};
}

}  // namespace lumivel::fuzz
