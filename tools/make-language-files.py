#!/usr/bin/env python3
# Writes data/Language/{en,cn,tw}.lng from one table, so that every language
# has the same keys. Edit the texts here, then run it and commit both.
import collections
import os
L = ['en', 'cn', 'tw']
meta = {
 'en': dict(Name='English', Charset=0, Font='DejaVu Sans', Size=8),
 'cn': dict(Name='简体中文', Charset=134, Font='Noto Sans CJK SC', Size=9),
 'tw': dict(Name='繁體中文', Charset=136, Font='Noto Sans CJK TC', Size=9),
}
S = collections.OrderedDict()
def s(key, en, cn, tw): S[key] = (en, cn, tw)
s('strAppTitle', 'Vistamoor', 'Vistamoor 相片屏保', 'Vistamoor 相片螢幕保護')
s('strFormCaption', 'Vistamoor Settings', 'Vistamoor 设置', 'Vistamoor 設定')
s('strConfig', 'Hello! I am your photo frog. Open the settings once and tell me where your photos are.',
  '你好！我是你的相片小青蛙。请先打开设置，告诉我你的相片放在哪里。',
  '你好！我是你的相片小青蛙。請先打開設定，告訴我你的相片放在哪裡。')
s('strDescript', 'Description of this photo:', '这张相片的说明：', '這張相片的說明：')
s('strMemExifLine1', '%Comment%', '%Comment%', '%Comment%')
s('strMemExifLine2', 'Taken %DateTimeOriginal%[dddddd] with a %Model%', '拍摄于 %DateTimeOriginal%[dddddd]，相机 %Model%', '拍攝於 %DateTimeOriginal%[dddddd]，相機 %Model%')
s('strMemExifLine3', '%FileName% (%Size%)', '%FileName%（%Size%）', '%FileName%（%Size%）')
s('strMemNoExifLine1', '%Comment%', '%Comment%', '%Comment%')
s('strMemNoExifLine2', '%FileName% from the folder %Directory%', '%FileName%，来自文件夹 %Directory%', '%FileName%，來自資料夾 %Directory%')
s('strMemNoExifLine3', 'It is %NowDateTime%[t] now.', '现在是 %NowDateTime%[t]。', '現在是 %NowDateTime%[t]。')
exif = [
 ('Make', 'Camera maker', '相机厂商', '相機廠商'),
 ('Model', 'Camera model', '相机型号', '相機型號'),
 ('DateTimeOriginal', 'Date taken', '拍摄日期', '拍攝日期'),
 ('DateTimeDigitized', 'Date digitized', '数字化日期', '數位化日期'),
 ('DateTime', 'Date changed', '修改日期', '修改日期'),
 ('ExposureTime', 'Exposure time', '曝光时间', '曝光時間'),
 ('FNumber', 'F-number', '光圈值', '光圈值'),
 ('ExposureProgram', 'Exposure program', '曝光程序', '曝光程式'),
 ('ISOSpeedRatings', 'ISO speed', 'ISO 感光度', 'ISO 感光度'),
 ('ShutterSpeedValue', 'Shutter speed', '快门速度', '快門速度'),
 ('ApertureValue', 'Aperture', '光圈', '光圈'),
 ('BrightnessValue', 'Brightness', '亮度', '亮度'),
 ('ExposureBiasValue', 'Exposure bias', '曝光补偿', '曝光補償'),
 ('MaxApertureValue', 'Maximum aperture', '最大光圈', '最大光圈'),
 ('SubjectDistance', 'Subject distance', '拍摄距离', '拍攝距離'),
 ('MeteringMode', 'Metering mode', '测光模式', '測光模式'),
 ('LightSource', 'Light source', '光源', '光源'),
 ('Flash', 'Flash', '闪光灯', '閃光燈'),
 ('FocalLength', 'Focal length', '焦距', '焦距'),
 ('ImageDescription', 'Image description', '图像说明', '影像說明'),
 ('Artist', 'Photographer', '摄影师', '攝影師'),
 ('Copyright', 'Copyright', '版权', '版權'),
 ('Software', 'Software', '软件', '軟體'),
 ('Orientation', 'Orientation', '方向', '方向'),
 ('XResolution', 'Horizontal resolution', '水平分辨率', '水平解析度'),
 ('YResolution', 'Vertical resolution', '垂直分辨率', '垂直解析度'),
 ('PixelXDimension', 'Width in pixels', '宽度（像素）', '寬度（像素）'),
 ('PixelYDimension', 'Height in pixels', '高度（像素）', '高度（像素）'),
 ('ColorSpace', 'Colour space', '色彩空间', '色彩空間'),
 ('ExifVersion', 'EXIF version', 'EXIF 版本', 'EXIF 版本'),
 ('UserComment', 'Camera comment', '相机备注', '相機備註'),
 ('SubSecTimeOriginal', 'Fractions of a second', '拍摄时间（毫秒）', '拍攝時間（毫秒）'),
 ('GPSLatitudeRef', 'North or south', '南纬或北纬', '南緯或北緯'),
 ('GPSLatitude', 'Latitude', '纬度', '緯度'),
 ('GPSLongitudeRef', 'East or west', '东经或西经', '東經或西經'),
 ('GPSLongitude', 'Longitude', '经度', '經度'),
 ('GPSAltitude', 'Altitude', '海拔', '海拔'),
]
assert len(exif) == 37
for i, (tag, en, cn, tw) in enumerate(exif, 1):
    s('strExif%d' % i, '%s  %%%s%%' % (en, tag), '%s  %%%s%%' % (cn, tag), '%s  %%%s%%' % (tw, tag))
out = [
 ('Comment', 'Description', '相片说明', '相片說明'),
 ('FileName', 'File name', '文件名', '檔案名稱'),
 ('Directory', 'Folder', '文件夹', '資料夾'),
 ('Path', 'Full path', '完整路径', '完整路徑'),
 ('NowDateTime', 'Now', '现在时间', '現在時間'),
 ('Music', 'Music playing', '正在播放的音乐', '正在播放的音樂'),
 ('Memory', 'Free memory', '可用内存', '可用記憶體'),
 ('Size', 'File size', '文件大小', '檔案大小'),
]
for i, (tag, en, cn, tw) in enumerate(out, 1):
    s('strOut%d' % i, '%s  %%%s%%' % (en, tag), '%s  %%%s%%' % (cn, tag), '%s  %%%s%%' % (tw, tag))
s('strSetWallpaper', 'Let me put this photo on your desktop...', '我来把这张相片设为桌面…', '我來把這張相片設為桌面…')
s('strWallpaperSet', 'Done! This photo is your wallpaper now.', '好了！这张相片现在是你的桌面了。', '好了！這張相片現在是你的桌面了。')
s('strSure', 'Are you sure?', '确认', '確認')
s('strDelete', 'Delete this photo from the disk?', '要从磁盘上删除这张相片吗？', '要從磁碟上刪除這張相片嗎？')
s('strDeleteFailed', 'The photo could not be deleted.', '无法删除这张相片。', '無法刪除這張相片。')
s('strErr', 'Error', '错误', '錯誤')
s('strPrompt', 'No photos', '没有相片', '沒有相片')
s('strJpg', 'No photos were found in the chosen folders. Please choose folders with photos.', '在所选的文件夹中没有找到相片，请选择有相片的文件夹。', '在所選的資料夾中沒有找到相片，請選擇有相片的資料夾。')
s('strFileNotFound', 'This music file is missing:', '找不到这个音乐文件：', '找不到這個音樂檔案：')
s('strSelectDirectory', 'Choose a folder', '选择文件夹', '選擇資料夾')
s('strClear', 'Remove all photo folders from the list?', '要清除所有相片文件夹吗？', '要清除所有相片資料夾嗎？')
s('strClearList', 'Remove all music from the list?', '要清空音乐列表吗？', '要清空音樂清單嗎？')
s('strNoFound', 'This music file is missing:', '找不到这个音乐文件：', '找不到這個音樂檔案：')
s('strOK', 'OK', '确定', '確定')
s('strYes', 'Yes', '是', '是')
s('strNo', 'No', '否', '否')
s('strHideElf', 'Hide the frog', '隐藏小青蛙', '隱藏小青蛙')
s('strShowElf', 'Show the frog', '显示小青蛙', '顯示小青蛙')
s('strFirst', 'This is the first time you open the settings. Shall I show you around?', '这是你第一次打开设置，要我带你看看吗？', '這是你第一次打開設定，要我帶你看看嗎？')
s('strStart', 'Start the tour', '开始导览', '開始導覽')
s('strReadHelp', 'Read the help', '阅读帮助', '閱讀說明')
s('strWelcome', 'Welcome to Vistamoor!', '欢迎使用 Vistamoor！', '歡迎使用 Vistamoor！')
s('strStep1', 'Step 1: on the Photo page, tick the folders whose photos I should show.', '第一步：在“相片”页勾选要展示的相片文件夹。', '第一步：在「相片」頁勾選要展示的相片資料夾。')
s('strStep2', 'Step 2: on the Music page, add the music to play during the show.', '第二步：在“音乐”页加入放映时播放的音乐。', '第二步：在「音樂」頁加入放映時播放的音樂。')
s('strStep3', 'Step 3: on the Elf page, choose how I and my balloon look.', '第三步：在“精灵”页设置我和对话框的样子。', '第三步：在「精靈」頁設定我和對話框的樣子。')
s('strStep4', 'Step 4: on the Description page, write what I say about each photo.', '第四步：在“说明”页写下我对每张相片说的话。', '第四步：在「說明」頁寫下我對每張相片說的話。')
s('strStep5', 'Step 5: press OK to keep your settings. Enjoy the show!', '第五步：按“确定”保存设置。祝你欣赏愉快！', '第五步：按「確定」儲存設定。祝你欣賞愉快！')

# [COMPONENT]: (component, caption, hint) per language.
C = []
def c(comp, prop, en, cn, tw): C.append((comp, prop, (en, cn, tw)))
def ch(comp, cap, hint):
    if cap: c(comp, 'Caption', *cap)
    if hint: c(comp, 'Hint', *hint)
ch('tsPhoto', ('&Photo', '相片(&P)', '相片(&P)'), None)
ch('tsMusic', ('&Music', '音乐(&M)', '音樂(&M)'), None)
ch('tsElf', ('&Elf', '精灵(&E)', '精靈(&E)'), None)
ch('tsDescription', ('&Description', '说明(&D)', '說明(&D)'), None)
ch('tsMis', ('Mis', '其他', '其他'), None)
ch('tsShortcut', ('&Shortcut', '快捷键(&S)', '快速鍵(&S)'), None)
ch('tsAbout', ('&About', '关于(&A)', '關於(&A)'), None)
ch('tsIncludeExif', ('Include EXIF', '含 EXIF', '含 EXIF'), None)
ch('tsNotIncludeExif', ('Not Include EXIF', '不含 EXIF', '不含 EXIF'), None)
ch('btnOk', ('OK', '确定', '確定'), ('Keep the settings and close the window.', '保存设置并关闭窗口。', '儲存設定並關閉視窗。'))
ch('btnCancel', ('Cancel', '取消', '取消'), ('Close the window without keeping the changes.', '关闭窗口，不保存更改。', '關閉視窗，不儲存變更。'))
ch('chkRandom', ('Random Show', '随机放映', '隨機放映'), ('Show the folders and photos in a random order.', '以随机顺序放映文件夹和相片。', '以隨機順序放映資料夾和相片。'))
ch('chkStartPicture', ('Start Photo:', '起始相片：', '起始相片：'), ('Always begin the show with this photo.', '每次放映都从这张相片开始。', '每次放映都從這張相片開始。'))
ch('edtStartPic', None, ('The photo the show begins with.', '放映开始时的相片。', '放映開始時的相片。'))
ch('btnStartPic', ('Browse..', '浏览..', '瀏覽..'), ('Choose the start photo.', '选择起始相片。', '選擇起始相片。'))
ch('lsbMusic', None, ('The music played during the show, in this order.', '放映时按此顺序播放的音乐。', '放映時按此順序播放的音樂。'))
ch('chkMusic', ('Play Music', '播放音乐', '播放音樂'), ('Play the music list during the show.', '放映时播放音乐列表。', '放映時播放音樂清單。'))
ch('chkRandomPlay', ('Random Play', '随机播放', '隨機播放'), ('Play the music in a random order.', '以随机顺序播放音乐。', '以隨機順序播放音樂。'))
ch('chkSpeak', ('Show the character and let it speak the description', '显示精灵并让它朗读相片说明', '顯示精靈並讓它朗讀相片說明'), ('The frog stands on the screen and says something about every photo.', '小青蛙站在屏幕上，为每张相片说几句话。', '小青蛙站在螢幕上，為每張相片說幾句話。'))
ch('lblPosition', ('Position in the show:', '放映时的位置：', '放映時的位置：'), None)
ch('speX', None, ('Distance of the frog from the left edge of the screen.', '小青蛙离屏幕左边的距离。', '小青蛙離螢幕左邊的距離。'))
ch('speY', None, ('Distance of the frog from the top of the screen.', '小青蛙离屏幕上边的距离。', '小青蛙離螢幕上邊的距離。'))
ch('lblAstPath', ('Character:', '精灵：', '精靈：'), None)
ch('edtAstPath', None, ('The character library file (.elf) used in the show.', '放映时使用的精灵库文件（.elf）。', '放映時使用的精靈庫檔案（.elf）。'))
ch('GroupBox1', ('Balloon', '对话框', '對話框'), None)
ch('lblBack', ('Background:', '背景色：', '背景色：'), None)
ch('lblBorder', ('Border:', '边框色：', '邊框色：'), None)
ch('lblAlpha', ('Transparency:', '透明度：', '透明度：'), None)
ch('shpBack', None, ('The colour of the speech balloon.', '对话框的颜色。', '對話框的顏色。'))
ch('shpBorder', None, ('The colour of the balloon\'s border.', '对话框边框的颜色。', '對話框邊框的顏色。'))
ch('TrackBar1', None, ('How solid the balloon is: left is see-through, right is solid.', '对话框的不透明度：左边透明，右边不透明。', '對話框的不透明度：左邊透明，右邊不透明。'))
ch('lblTemplates', ('What the character says about each photo:', '精灵对每张相片说的话：', '精靈對每張相片說的話：'), None)
ch('memExif', None, ('What the frog says about photos with camera data. Words between % signs are filled in.', '小青蛙对含相机数据的相片说的话。% 号之间的词会被替换。', '小青蛙對含相機資料的相片說的話。% 號之間的詞會被替換。'))
ch('memNoExif', None, ('What the frog says about other photos.', '小青蛙对其他相片说的话。', '小青蛙對其他相片說的話。'))
ch('lblStay', ('Photo stays (ms):', '相片停留（毫秒）：', '相片停留（毫秒）：'), None)
ch('speStay', None, ('How long each photo stays on the screen, in milliseconds.', '每张相片在屏幕上停留的时间（毫秒）。', '每張相片在螢幕上停留的時間（毫秒）。'))
ch('lblSpeed', ('Transition speed:', '切换速度：', '切換速度：'), None)
ch('trbSpeed', None, ('How fast one photo changes into the next.', '相片切换的快慢。', '相片切換的快慢。'))
ch('lblFast', ('Fast', '快', '快'), None)
ch('lblSlow', ('Slow', '慢', '慢'), None)
ch('chkSleep', ('Sleep Mode', '睡眠模式', '睡眠模式'), ('Only turn the monitor off instead of showing photos.', '不放映相片，只关闭显示器。', '不放映相片，只關閉顯示器。'))
ch('lblPreview', ('Preview folder:', '预览文件夹：', '預覽資料夾：'), None)
ch('edtPreview', None, ('The photos shown in the small preview.', '小预览窗口中显示的相片。', '小預覽視窗中顯示的相片。'))
ch('btnPreview', ('Browse...', '浏览...', '瀏覽...'), ('Choose the preview folder.', '选择预览文件夹。', '選擇預覽資料夾。'))
ch('chbMouse', ('Ignore Mouse Movement', '忽略鼠标移动', '忽略滑鼠移動'), ('Only a mouse click ends the show.', '只有点击鼠标才结束放映。', '只有按下滑鼠才結束放映。'))
ch('lblMouse', ('Mouse sensitivity:', '鼠标灵敏度：', '滑鼠靈敏度：'), None)
ch('trbMouse', None, ('How far the mouse may move before the show ends.', '鼠标移动多远才结束放映。', '滑鼠移動多遠才結束放映。'))
ch('lblHigh', ('High', '高', '高'), None)
ch('lblLow', ('Low', '低', '低'), None)
ch('lblLang', ('Language:', '语言：', '語言：'), None)
ch('cmbLang', None, ('The language of the program.', '程序使用的语言。', '程式使用的語言。'))
ch('chkPause', ('Pause :          [Ctrl]', '暂停：          [Ctrl]', '暫停：          [Ctrl]'), ('Ctrl pauses and resumes the show.', '按 Ctrl 暂停或继续放映。', '按 Ctrl 暫停或繼續放映。'))
ch('chkWallpaper', ('Set as wallpaper:           [ W ]', '设为桌面：           [ W ]', '設為桌面：           [ W ]'), ('W puts the photo on your desktop.', '按 W 把相片设为桌面。', '按 W 把相片設為桌面。'))
ch('chkDescription', ('Edit Description           [ D ]', '编辑说明           [ D ]', '編輯說明           [ D ]'), ('D lets you write a description of the photo.', '按 D 为相片写说明。', '按 D 為相片寫說明。'))
ch('chkDelete', ('Delete         [ Del ]', '删除         [ Del ]', '刪除         [ Del ]'), ('Del deletes the photo from the disk, after asking.', '按 Del 确认后从磁盘删除相片。', '按 Del 確認後從磁碟刪除相片。'))
ch('chkMusicSwitch', ('Music On/Off       [ M ]', '音乐开/关       [ M ]', '音樂開/關       [ M ]'), ('M switches the music on and off.', '按 M 打开或关闭音乐。', '按 M 開啟或關閉音樂。'))
ch('lblAbout', ('A photo slideshow screensaver with a friendly frog.~~Photos, music, and a caption for every picture.', '带着一只友好小青蛙的相片屏幕保护程序。~~相片、音乐，每张相片还有一句话。', '帶著一隻友善小青蛙的相片螢幕保護程式。~~相片、音樂，每張相片還有一句話。'), None)
ch('btnControlBox', None, ('Choose the look of this window.', '选择窗口外观。', '選擇視窗外觀。'))
ch('btnTitleHelp', None, ('Open the help.', '打开帮助。', '開啟說明。'))

for i, lang in enumerate(L):
    m = meta[lang]
    lines = ['; Vistamoor language file: ' + m['Name'], '[LANGUAGE]', 'Name=' + m['Name'], '',
             '[FONT]', 'Charset=%d' % m['Charset'], 'Name=' + m['Font'], 'Size=%d' % m['Size'], 'Color=0', '',
             '[STRING]']
    for k, v in S.items():
        lines.append('%s=%s' % (k, v[i]))
    lines += ['', '[COMPONENT]']
    for comp, prop, v in C:
        lines.append('frmConfig.%s.%s=%s' % (comp, prop, v[i]))
    open(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'Language', '%s.lng' % lang), 'w', encoding='utf-8', newline='\r\n').write('\n'.join(lines) + '\n')
print(len(S), 'strings', len(C), 'component lines')
