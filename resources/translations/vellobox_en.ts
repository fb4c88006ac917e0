<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutTab</name>
    <message>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>了解更多</source>
        <translation>Learn more</translation>
    </message>
</context>
<context>
    <name>AiSubtitleTab</name>
    <message>
        <source>演讲设置</source>
        <translation>Presentation settings</translation>
    </message>
</context>
<context>
    <name>AutoDetectAppTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音唤醒应用&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;一键智适应后，可通过语音唤醒检测到的应用&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Start apps by voice&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;After one-click adapt, the detected apps start when you say their names&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>一键适应</source>
        <translation>One-click adapt</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>*联系人</source>
        <translation>*Contact name</translation>
    </message>
    <message>
        <source>联系手机</source>
        <translation>Mobile number</translation>
    </message>
    <message>
        <source>*反馈内容</source>
        <translation>*Your feedback</translation>
    </message>
    <message>
        <source>允许上传设备的使用日志</source>
        <translation>Allow uploading the device usage logs</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>提交</source>
        <translation>Submit</translation>
    </message>
</context>
<context>
    <name>GuideTab</name>
    <message>
        <source>使用指南</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Technical Support</translation>
    </message>
    <message>
        <source>如果您在使用过程中遇到任何问题，都可以通过二维码咨询我们客服，竭诚为您服务。</source>
        <translation>If you run into any problem, scan the QR code to contact our customer service. We are glad to help.</translation>
    </message>
    <message>
        <source>上传日志</source>
        <translation>Upload Logs</translation>
    </message>
</context>
<context>
    <name>HotWordTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;设置专属名词&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;点击输入常用热词，词汇之间以换行分隔&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Your own terms&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Type frequent hot words, one per line&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>确认添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;专属词汇列表&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Your term list&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>中文(普通话)</source>
        <translation>Chinese (Mandarin)</translation>
    </message>
    <message>
        <source>中文(粤语)</source>
        <translation>Chinese (Cantonese)</translation>
    </message>
    <message>
        <source>中文(四川话)</source>
        <translation>Chinese (Sichuanese)</translation>
    </message>
    <message>
        <source>中文(河南话)</source>
        <translation>Chinese (Henanese)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>English</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>French</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>German</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>越南语</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>印地语</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>马来语</source>
        <translation>Malay</translation>
    </message>
    <message>
        <source>印尼语</source>
        <translation>Indonesian</translation>
    </message>
    <message>
        <source>土耳其语</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>荷兰语</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>波兰语</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>捷克语</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonese</translation>
    </message>
    <message>
        <source>文言文</source>
        <translation>Classical Chinese</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>瑞典语</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>丹麦语</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>芬兰语</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>匈牙利语</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>罗马尼亚语</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>中英文混合</source>
        <translation>Chinese and English</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>密码登录</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>请输入手机号或者邮箱</source>
        <translation>Mobile number or e-mail</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Get code</translation>
    </message>
    <message>
        <source>&lt;a style=&apos; text-decoration: none&apos;&gt;注册&lt;/a&gt;</source>
        <translation>&lt;a style=&apos; text-decoration: none&apos;&gt;Register&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos; text-decoration: none&apos;&gt;忘记密码?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos; text-decoration: none&apos;&gt;Forgot password?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>或者</source>
        <translation>or</translation>
    </message>
    <message>
        <source>微信</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>抖音</source>
        <translation>Douyin</translation>
    </message>
</context>
<context>
    <name>MKeyTab</name>
    <message>
        <source>飞鼠设置</source>
        <translation>Air Mouse Settings</translation>
    </message>
    <message>
        <source>常用功能

自定义设置常用功能，双击「 飞鼠键 」轮循切换

</source>
        <translation>Favorite Functions

Choose your favorite functions; double-click the &quot;Air Mouse&quot; key to cycle through them

</translation>
    </message>
    <message>
        <source>飞鼠设置

长按「飞鼠键 」使用以下选择的功能

</source>
        <translation>Air Mouse Settings

Press and hold the &quot;Air Mouse&quot; key to use the function selected below

</translation>
    </message>
</context>
<context>
    <name>MirelMouseHelpTab</name>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>MirelTypingTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音打字&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置语音打字的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Voice typing&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Set the language you speak for voice typing&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>Personalisation</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;取词翻译&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;选中带翻译的文字后点击弹出的翻译图标，即可完成取词翻译 &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Word-pick translation&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Select text, then click the translation icon that pops up &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>Translate to</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音翻译&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置语音翻译的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Voice translation&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Set the languages of voice translation&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音输入模式&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;「按下/松开语音键」开始/结束语音输入、「双击语音键」切换模式&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Voice input mode&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Press/release the voice key to start/stop voice input; double-click it to switch modes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>模式一 语音输入</source>
        <translation>Mode 1 Voice typing</translation>
    </message>
    <message>
        <source>模式二 语音翻译</source>
        <translation>Mode 2 Voice translation</translation>
    </message>
    <message>
        <source>模式三 语音助手</source>
        <translation>Mode 3 Voice assistant</translation>
    </message>
</context>
<context>
    <name>MouseInfoTab</name>
    <message>
        <source>鼠标设置</source>
        <translation>Mouse Settings</translation>
    </message>
    <message>
        <source>设备状态</source>
        <translation>Device Status</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
</context>
<context>
    <name>MouseTextTranslationTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;划词翻译&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#a6a6a6;&quot;&gt;选中一段文字，&lt;/span&gt;&lt;span style=&quot; color:#ffaa00;&quot;&gt;点击浮出的&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#a6a6a6;&quot;&gt;，进行划词翻译&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Word-pick Translation&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#a6a6a6;&quot;&gt;Select some text, &lt;/span&gt;&lt;span style=&quot; color:#ffaa00;&quot;&gt;click the pop-up icon &lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#a6a6a6;&quot;&gt; to translate it&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Screenshot Translation</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Custom Shortcut</translation>
    </message>
    <message>
        <source>翻译文本设置</source>
        <translation>Translation Text Settings</translation>
    </message>
    <message>
        <source>划词翻译（启动/关闭）</source>
        <translation>Word-pick translation (on/off)</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>快捷键设置成功</source>
        <translation>Shortcut set</translation>
    </message>
</context>
<context>
    <name>NavForm</name>
    <message>
        <source>用户: 未登录</source>
        <translation>User: Not logged in</translation>
    </message>
    <message>
        <source>全球通版 2022-04-30</source>
        <translation>Global Edition 2022-04-30</translation>
    </message>
    <message>
        <source>续费</source>
        <translation>Renew</translation>
    </message>
</context>
<context>
    <name>QRCodeTab</name>
    <message>
        <source>二维码已经过期</source>
        <translation>The QR code has expired</translation>
    </message>
    <message>
        <source>重新生成</source>
        <translation>Regenerate</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecordTab</name>
    <message>
        <source>设备信息</source>
        <translation>Device information</translation>
    </message>
    <message>
        <source>SN序列号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>录音记录</source>
        <translation>Recordings</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;删除选中记录&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;Delete selected&lt;/a&gt;</translation>
    </message>
    <message>
        <source>保存路径</source>
        <translation>Save location</translation>
    </message>
    <message>
        <source>默认保存路径</source>
        <translation>Default folder</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>前往</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>RegisterDialog</name>
    <message>
        <source>请输入手机号或者邮箱</source>
        <translation>Mobile number or e-mail</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Get code</translation>
    </message>
    <message>
        <source>请输入您的密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>请再次输入您的密码</source>
        <translation>Repeat the password</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>或者</source>
        <translation>or</translation>
    </message>
    <message>
        <source>微信</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>抖音</source>
        <translation>Douyin</translation>
    </message>
</context>
<context>
    <name>ScreenShotButtons</name>
    <message>
        <source>退出截图 (Esc)</source>
        <translation>Exit screenshot (Esc)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>识别并翻译 (Enter)</source>
        <translation>Recognize and translate (Enter)</translation>
    </message>
    <message>
        <source>翻译</source>
        <translation>Translate</translation>
    </message>
</context>
<context>
    <name>SoftwareSettingTab</name>
    <message>
        <source>软件设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>System Settings</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>当前版本</source>
        <translation>Current version</translation>
    </message>
    <message>
        <source>软件</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Check for Updates</translation>
    </message>
</context>
<context>
    <name>TMouse</name>
    <message>
        <source>语音鼠标</source>
        <translation>Voice Mouse</translation>
    </message>
    <message>
        <source>AI语音鼠标</source>
        <translation>AI Voice Mouse</translation>
    </message>
</context>
<context>
    <name>TMsg</name>
    <message>
        <source>AIUI语音识别未配置</source>
        <translation>AIUI speech recognition is not configured</translation>
    </message>
    <message>
        <source>语音识别服务连接失败：%1</source>
        <translation>Could not connect to the speech recognition service: %1</translation>
    </message>
    <message>
        <source>语音识别服务断开了连接</source>
        <translation>The speech recognition service closed the connection</translation>
    </message>
    <message>
        <source>中转服务语音识别</source>
        <translation>Relay service speech recognition</translation>
    </message>
    <message>
        <source>语音中转服务未配置</source>
        <translation>The speech relay service is not configured</translation>
    </message>
    <message>
        <source>讯飞语音听写</source>
        <translation>iFlytek voice dictation</translation>
    </message>
    <message>
        <source>讯飞语音听写未配置</source>
        <translation>iFlytek voice dictation is not configured</translation>
    </message>
    <message>
        <source>请求失败 (%1)</source>
        <translation>Request failed (%1)</translation>
    </message>
    <message>
        <source>验证码短信已发出!</source>
        <translation>Verification code sent by SMS!</translation>
    </message>
    <message>
        <source>验证码邮件已发出!</source>
        <translation>Verification code sent by email!</translation>
    </message>
    <message>
        <source>登录失败:</source>
        <translation>Login failed:</translation>
    </message>
    <message>
        <source>服务器返回的用户信息无效</source>
        <translation>The server returned invalid user information</translation>
    </message>
    <message>
        <source>登录成功!</source>
        <translation>Logged in!</translation>
    </message>
    <message>
        <source>注册失败:</source>
        <translation>Registration failed:</translation>
    </message>
    <message>
        <source>注册成功!</source>
        <translation>Registration successful!</translation>
    </message>
    <message>
        <source>密码重置成功!</source>
        <translation>Password reset successful!</translation>
    </message>
    <message>
        <source>密码重置失败:</source>
        <translation>Password reset failed:</translation>
    </message>
    <message>
        <source>没有可用的麦克风</source>
        <translation>No microphone available</translation>
    </message>
    <message>
        <source>麦克风无法打开</source>
        <translation>Could not open the microphone</translation>
    </message>
    <message>
        <source>无法读取文件: %1</source>
        <translation>Could not read file: %1</translation>
    </message>
    <message>
        <source>服务器地址未配置 (%1)</source>
        <translation>Server address not configured (%1)</translation>
    </message>
    <message>
        <source>服务器地址无效: %1</source>
        <translation>Invalid server address: %1</translation>
    </message>
    <message>
        <source>请求超时, 服务器在%1秒内没有响应</source>
        <translation>Request timed out: the server did not respond within %1 seconds</translation>
    </message>
    <message>
        <source>网络连接失败: %1</source>
        <translation>Network connection failed: %1</translation>
    </message>
    <message>
        <source>服务器错误 (HTTP %1)</source>
        <translation>Server error (HTTP %1)</translation>
    </message>
    <message>
        <source>服务器返回的数据无效</source>
        <translation>The server returned invalid data</translation>
    </message>
    <message>
        <source>连接邮件服务器失败!</source>
        <translation>Could not connect to the mail server!</translation>
    </message>
    <message>
        <source>邮件服务器验证失败!</source>
        <translation>Mail server authentication failed!</translation>
    </message>
    <message>
        <source>邮件发送失败!</source>
        <translation>Could not send the email!</translation>
    </message>
    <message>
        <source>邮件发送成功!</source>
        <translation>Email sent!</translation>
    </message>
    <message>
        <source>服务器返回的数据过大, 已中止</source>
        <translation>The server sent too much data; the request was stopped</translation>
    </message>
    <message>
        <source>服务器将请求转到其他地址, 已拒绝: %1</source>
        <translation>The server redirected the request to another address, which was refused: %1</translation>
    </message>
    <message>
        <source>无法使用声音: 缺少音频组件</source>
        <translation>Sound is unavailable: the audio component is missing</translation>
    </message>
    <message>
        <source>邮件账号未配置 (%1)</source>
        <translation>Mail account not configured (%1)</translation>
    </message>
</context>
<context>
    <name>TNotify</name>
    <message>
        <source>程序已经在运行中!</source>
        <translation>The program is already running!</translation>
    </message>
    <message>
        <source>创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!</source>
        <translation>Could not create or write a file. Please change the file permissions or install the program on a non-system drive!</translation>
    </message>
    <message>
        <source>导入数据的实际类型为%1, 和预期类型%2不匹配</source>
        <translation>The imported data is of type %1, which does not match the expected type %2</translation>
    </message>
    <message>
        <source>没有可切换的常用功能, 请先在M键设置中选择常用功能!</source>
        <translation>No favorite functions to switch between. Please choose favorite functions in M Key Settings first!</translation>
    </message>
    <message>
        <source>翻译语言不支持%1,设置会导致翻译无法生效!</source>
        <translation>Translation does not support %1; with this setting translation will not work!</translation>
    </message>
    <message>
        <source>无法创建录音文件夹：%1</source>
        <translation>Could not create the recordings folder: %1</translation>
    </message>
    <message>
        <source>当前功能：%1</source>
        <translation>Current function: %1</translation>
    </message>
    <message>
        <source>未设置自定义快捷键</source>
        <translation>No custom shortcut set</translation>
    </message>
    <message>
        <source>搜索引擎地址无效</source>
        <translation>Invalid search engine address</translation>
    </message>
    <message>
        <source>未设置网页地址</source>
        <translation>No web address set</translation>
    </message>
    <message>
        <source>无法打开网页：%1</source>
        <translation>Could not open the web page: %1</translation>
    </message>
    <message>
        <source>请输入手机号或者邮箱号</source>
        <translation>Please enter a mobile number or email address</translation>
    </message>
    <message>
        <source>账号，密码或验证码无效!</source>
        <translation>Invalid account, password or verification code!</translation>
    </message>
    <message>
        <source>请输入有效的手机号或者邮箱</source>
        <translation>Please enter a valid mobile number or email address</translation>
    </message>
    <message>
        <source>没有找到蓝牙适配器, 无法搜索蓝牙设备!</source>
        <translation>No Bluetooth adapter found, so Bluetooth devices cannot be searched for!</translation>
    </message>
    <message>
        <source>正在搜索蓝牙设备...</source>
        <translation>Searching for Bluetooth devices...</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Could not open: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Translation failed: %1</translation>
    </message>
    <message>
        <source>百度翻译未配置</source>
        <translation>Baidu Translate is not configured</translation>
    </message>
    <message>
        <source>没有要翻译的文本</source>
        <translation>No text to translate</translation>
    </message>
    <message>
        <source>翻译结果为空</source>
        <translation>The translation is empty</translation>
    </message>
    <message>
        <source>语音合成服务未配置</source>
        <translation>The speech synthesis service is not configured</translation>
    </message>
    <message>
        <source>没有播报的文本</source>
        <translation>No text to read aloud</translation>
    </message>
    <message>
        <source>语音合成结果为空</source>
        <translation>Speech synthesis returned no audio</translation>
    </message>
    <message>
        <source>没有可用的扬声器</source>
        <translation>No speaker available</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Playback failed</translation>
    </message>
    <message>
        <source>快捷键需要包含 Ctrl、Alt 或 Win 键</source>
        <translation>A shortcut must include Ctrl, Alt or Win</translation>
    </message>
    <message>
        <source>截屏失败</source>
        <translation>Screenshot failed</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>已有下载任务</source>
        <translation>A download is already in progress</translation>
    </message>
    <message>
        <source>检查更新失败: %1</source>
        <translation>Could not check for updates: %1</translation>
    </message>
    <message>
        <source>当前版本已经是最新的，不需要更新</source>
        <translation>You already have the latest version</translation>
    </message>
    <message>
        <source>下载地址为空!</source>
        <translation>The download address is empty!</translation>
    </message>
    <message>
        <source>下载已终止</source>
        <translation>Download stopped</translation>
    </message>
    <message>
        <source>是否要退出登录?</source>
        <translation>Do you want to log out?</translation>
    </message>
    <message>
        <source>发现新版本%1</source>
        <translation>New version found: %1</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;版本有重大更新,&lt;br&gt; 不更新的情况下无法使用!&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;This is a major update.&lt;br&gt; The program cannot be used without it!&lt;/font&gt;</translation>
    </message>
    <message>
        <source>最新版本有重大升级, 无法忽略, 请更新最新版本</source>
        <translation>The latest version is a major upgrade and cannot be ignored. Please update.</translation>
    </message>
    <message>
        <source>最新版本有重大升级, 更新之前无法使用, 请更新最新版本</source>
        <translation>The latest version is a major upgrade; the program cannot be used until it is installed. Please update.</translation>
    </message>
    <message>
        <source>开机启动设置失败!</source>
        <translation>Could not change starting with the session!</translation>
    </message>
    <message>
        <source>界面语言保存失败!</source>
        <translation>Could not save the interface language!</translation>
    </message>
    <message>
        <source>请同意用户协议和隐私协议!</source>
        <translation>Please accept the user agreement and the privacy policy!</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Signed in</translation>
    </message>
    <message>
        <source>用户名不能为空!</source>
        <translation>The account must not be empty!</translation>
    </message>
    <message>
        <source>密码不能为空!</source>
        <translation>The password must not be empty!</translation>
    </message>
    <message>
        <source>两次密码不一致, 请确认后再次输入!</source>
        <translation>The two passwords differ, please enter them again!</translation>
    </message>
    <message>
        <source>注册成功</source>
        <translation>Registered</translation>
    </message>
    <message>
        <source>重置成功, 返回登录页面登录!</source>
        <translation>Password reset, please sign in again!</translation>
    </message>
    <message>
        <source>分享码有效期更新失败!</source>
        <translation>Could not renew the share link!</translation>
    </message>
    <message>
        <source>获取录音记录失败: %1</source>
        <translation>Could not load the recordings: %1</translation>
    </message>
    <message>
        <source>本地文件和云端都没有没有找到音频!</source>
        <translation>The audio was found neither locally nor in the cloud!</translation>
    </message>
    <message>
        <source>获取二维码失败!</source>
        <translation>Could not get the QR code!</translation>
    </message>
    <message>
        <source>删除成功! </source>
        <translation>Deleted! </translation>
    </message>
    <message>
        <source>删除失败: %1</source>
        <translation>Delete failed: %1</translation>
    </message>
    <message>
        <source>删除成功!</source>
        <translation>Deleted!</translation>
    </message>
    <message>
        <source>设备设置无法保存: %1</source>
        <translation>The device settings cannot be saved: %1</translation>
    </message>
    <message>
        <source>下载地址无效</source>
        <translation>invalid download address</translation>
    </message>
    <message>
        <source>文件过大</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>无法发送按键 %1</source>
        <translation>Cannot send the keys %1</translation>
    </message>
    <message>
        <source>语音识别失败</source>
        <translation>Speech recognition failed</translation>
    </message>
    <message>
        <source>这个按键不能用作快捷键</source>
        <translation>This key cannot be used in a shortcut</translation>
    </message>
    <message>
        <source>开启划词翻译</source>
        <translation>Word-pick translation on</translation>
    </message>
    <message>
        <source>关闭划词翻译</source>
        <translation>Word-pick translation off</translation>
    </message>
    <message>
        <source>当前翻译语言不支持播报</source>
        <translation>This translation language cannot be read aloud</translation>
    </message>
    <message>
        <source>没有可识别的图像</source>
        <translation>No picture to recognise</translation>
    </message>
    <message>
        <source>不支持的识别语言：%1</source>
        <translation>Recognition language not supported: %1</translation>
    </message>
    <message>
        <source>缺少文字识别的语言数据：%1</source>
        <translation>Text recognition data missing for: %1</translation>
    </message>
    <message>
        <source>文字识别无法启动：%1</source>
        <translation>Text recognition could not start: %1</translation>
    </message>
    <message>
        <source>请填写指令词</source>
        <translation>Please enter a command word</translation>
    </message>
    <message>
        <source>内容为空，请选择文件，文件夹，或者填写网页</source>
        <translation>The content is empty. Please choose a file or folder, or enter a web address</translation>
    </message>
    <message>
        <source>指令词重复, 请换一个指令词</source>
        <translation>This command word already exists. Please use another one</translation>
    </message>
    <message>
        <source>请在文本框中填入热词，一行一条热词，按回车换行!</source>
        <translation>Type hot words in the text box, one per line (press Enter for a new line)!</translation>
    </message>
    <message>
        <source>没有选中数据!!</source>
        <translation>Nothing is selected!</translation>
    </message>
    <message>
        <source>无热词数据!</source>
        <translation>There are no hot words!</translation>
    </message>
    <message>
        <source>导出成功!!</source>
        <translation>Exported!</translation>
    </message>
    <message>
        <source>导出失败!!</source>
        <translation>Export failed!</translation>
    </message>
    <message>
        <source>导入文件无效或不含热词, 没有导入任何热词!</source>
        <translation>The file is invalid or holds no hot words; nothing was imported!</translation>
    </message>
    <message>
        <source>无法连接翻译服务</source>
        <translation>Cannot reach the translation service</translation>
    </message>
    <message>
        <source>无法确认程序只运行一份, 程序无法启动: %1</source>
        <translation>The program cannot make sure only one copy runs and cannot start: %1</translation>
    </message>
    <message>
        <source>该指令词已不存在, 修改未保存</source>
        <translation>This command word no longer exists. The change was not saved</translation>
    </message>
    <message>
        <source>磁盘已满，录音无法继续保存，已录下的部分会保留</source>
        <translation>The disk is full: the rest of the recording cannot be saved; what was recorded so far is kept</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1 (%2), 无法在其中确认程序只运行一份, 程序无法启动。</source>
        <translation>The folder %1 cannot be created (%2), so the program cannot make sure only one copy runs. The program cannot start.</translation>
    </message>
    <message>
        <source>指令词只有标点符号或空格, 语音搜索无法匹配, 请加入文字或数字</source>
        <translation>A command word of only punctuation or blanks can never be matched by voice search. Please add letters or digits</translation>
    </message>
    <message>
        <source>无法写入录音文件：%1</source>
        <translation>Could not write the recording file: %1</translation>
    </message>
    <message>
        <source>录音文件写入失败（%1），录音无法继续保存，已录下的部分会保留</source>
        <translation>The recording file cannot be written (%1): the rest of the recording cannot be saved; what was recorded so far is kept</translation>
    </message>
    <message>
        <source>录音保存失败：%1</source>
        <translation>Could not save the recording: %1</translation>
    </message>
</context>
<context>
    <name>TPointer</name>
    <message>
        <source>翻页笔</source>
        <translation>Presenter</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>Digital Laser</translation>
    </message>
</context>
<context>
    <name>TUI</name>
    <message>
        <source>软件设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Technical Support</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>共%1条</source>
        <translation>%1 items</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>No device</translation>
    </message>
    <message>
        <source> 设备信息</source>
        <translation> Device Info</translation>
    </message>
    <message>
        <source> 语音打字</source>
        <translation> Voice Typing</translation>
    </message>
    <message>
        <source> 语音搜索</source>
        <translation> Voice Search</translation>
    </message>
    <message>
        <source> 文本翻译</source>
        <translation> Text Translation</translation>
    </message>
    <message>
        <source> M键设置</source>
        <translation> M Key Settings</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>My native language</translation>
    </message>
    <message>
        <source>输出模式</source>
        <translation>Output mode</translation>
    </message>
    <message>
        <source>兼容模式</source>
        <translation>Compatibility mode</translation>
    </message>
    <message>
        <source>动态模式</source>
        <translation>Dynamic mode</translation>
    </message>
    <message>
        <source>浮框模式</source>
        <translation>Floating window mode</translation>
    </message>
    <message>
        <source>智能标点</source>
        <translation>Smart punctuation</translation>
    </message>
    <message>
        <source>智能标点描述</source>
        <translation>Adds punctuation automatically as you speak</translation>
    </message>
    <message>
        <source> AI智适应</source>
        <translation> AI Adaptation</translation>
    </message>
    <message>
        <source> 语言设置</source>
        <translation> Language Settings</translation>
    </message>
    <message>
        <source> 热词搜索</source>
        <translation> Hot Words</translation>
    </message>
    <message>
        <source> 自定义指令</source>
        <translation> Custom Commands</translation>
    </message>
    <message>
        <source> 使用帮助</source>
        <translation> Help</translation>
    </message>
    <message>
        <source> 智能录音</source>
        <translation> Smart Recording</translation>
    </message>
    <message>
        <source> 演讲字幕</source>
        <translation> Live Captions</translation>
    </message>
    <message>
        <source> 飞鼠设置</source>
        <translation> Air Mouse Settings</translation>
    </message>
    <message>
        <source> 录音记录</source>
        <translation> Recordings</translation>
    </message>
    <message>
        <source>飞鼠</source>
        <translation>Air Mouse</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>Digital Laser</translation>
    </message>
    <message>
        <source>调整大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose color</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>放大区域</source>
        <translation>Zoom area</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Zoom level</translation>
    </message>
    <message>
        <source>光标</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Voice Typing</translation>
    </message>
    <message>
        <source>翻译打字</source>
        <translation>Translation Typing</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Screenshot Translation</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Custom Shortcut</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Voice Search</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Baidu Search</translation>
    </message>
    <message>
        <source>切换窗口</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Open Web Page</translation>
    </message>
    <message>
        <source>程序/文件</source>
        <translation>Program/File</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>网址</source>
        <translation>Web Address</translation>
    </message>
    <message>
        <source>语音搜索: %1</source>
        <translation>Voice search: %1</translation>
    </message>
    <message>
        <source>请说话</source>
        <translation>Speak now</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1m</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1s</translation>
    </message>
    <message>
        <source>请按下快捷键</source>
        <translation>Press a shortcut</translation>
    </message>
    <message>
        <source>拖动鼠标选择要翻译的区域，Esc 退出</source>
        <translation>Drag to select the area to translate, Esc to exit</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Download failed: %1</translation>
    </message>
    <message>
        <source>服务器长时间没有响应</source>
        <translation>The server is not responding</translation>
    </message>
    <message>
        <source>文件大小不符 (%1 / %2 字节)</source>
        <translation>File size mismatch (%1 / %2 bytes)</translation>
    </message>
    <message>
        <source>无法保存文件 %1</source>
        <translation>Could not save file %1</translation>
    </message>
    <message>
        <source>&amp;打开</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;退出</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;扫描蓝牙设备</source>
        <translation>&amp;Scan for Bluetooth Devices</translation>
    </message>
    <message>
        <source>&amp;检查更新</source>
        <translation>Check for &amp;Updates</translation>
    </message>
    <message>
        <source>&amp;显示更新进度</source>
        <translation>Show Update &amp;Progress</translation>
    </message>
    <message>
        <source>%1设备接入! </source>
        <translation>%1 connected! </translation>
    </message>
    <message>
        <source>设备拔出或无法连接! </source>
        <translation>Device removed or unreachable! </translation>
    </message>
    <message>
        <source>用户: 未登录</source>
        <translation>User: Not logged in</translation>
    </message>
    <message>
        <source>用户: %1</source>
        <translation>User: %1</translation>
    </message>
    <message>
        <source>请登录</source>
        <translation>Please log in</translation>
    </message>
    <message>
        <source>机器标识: %1</source>
        <translation>Machine ID: %1</translation>
    </message>
    <message>
        <source>提交中...</source>
        <translation>Submitting...</translation>
    </message>
    <message>
        <source>提交</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>以下文件超出附件数量或大小限制, 未附上: %1</source>
        <translation>These files exceed the attachment count or size limit and were not attached: %1</translation>
    </message>
    <message>
        <source>维罗盒子智能科技有限公司</source>
        <translation>Vellobox voice mice and presentation pointers</translation>
    </message>
    <message>
        <source>了解更多</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>上传中...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <source>日志上传成功</source>
        <translation>Logs uploaded</translation>
    </message>
    <message>
        <source>上传日志</source>
        <translation>Upload Logs</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Start with the session</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>修改生效需要重启程序，是否重启?</source>
        <translation>The program must restart for the change to take effect. Restart now?</translation>
    </message>
    <message>
        <source>《用户协议》</source>
        <translation>User Agreement</translation>
    </message>
    <message>
        <source>《隐私政策》</source>
        <translation>Privacy Policy</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Reset password</translation>
    </message>
    <message>
        <source>登录后代表您已同意%1和%2</source>
        <translation>By signing in you accept the %1 and the %2</translation>
    </message>
    <message>
        <source>演讲设置</source>
        <translation>Presentation settings</translation>
    </message>
    <message>
        <source>短按：开始/结束 录音    长按：连接录音</source>
        <translation>Short press: start/stop recording    Long press: record while held</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>Recognition language</translation>
    </message>
    <message>
        <source>翻译语言</source>
        <translation>Translation language</translation>
    </message>
    <message>
        <source>字幕关闭</source>
        <translation>Subtitles off</translation>
    </message>
    <message>
        <source>翻译关闭</source>
        <translation>Translation off</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Font colour</translation>
    </message>
    <message>
        <source>翻译字体颜色</source>
        <translation>Translation font colour</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>预览效果!</source>
        <translation>Preview!</translation>
    </message>
    <message>
        <source>提示:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>「录音键」长按持续录音，松手结束；短按开始录音，再按停止</source>
        <translation>Hold the record key to record until you let go; press it briefly to start recording and again to stop</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;播放&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;Play&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;分享&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;Share&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;删除&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;Delete&lt;/a&gt;</translation>
    </message>
    <message>
        <source>是否删除记录!</source>
        <translation>Delete the selected recordings?</translation>
    </message>
    <message>
        <source>默认路径</source>
        <translation>Default folder</translation>
    </message>
    <message>
        <source>录音时间</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>时长</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>开始测试</source>
        <translation>Start Test</translation>
    </message>
    <message>
        <source>测试麦克风</source>
        <translation>Test Microphone</translation>
    </message>
    <message>
        <source>点击&quot;开始测试&quot;,并以正常音量说话至少几秒钟，然后点击&quot;停止测试&quot;即可</source>
        <translation>Click &quot;Start Test&quot;, speak at a normal volume for at least a few seconds, then click &quot;Stop Test&quot;.</translation>
    </message>
    <message>
        <source>声音来源</source>
        <translation>Sound Source</translation>
    </message>
    <message>
        <source>停止测试</source>
        <translation>Stop Test</translation>
    </message>
    <message>
        <source>滚轮灵敏度</source>
        <translation>Wheel Sensitivity</translation>
    </message>
    <message>
        <source>长按滚轮</source>
        <translation>Long-Press Wheel</translation>
    </message>
    <message>
        <source>长按滚轮弹出下载地址</source>
        <translation>Long-press the wheel to show the download address</translation>
    </message>
    <message>
        <source>非Win11</source>
        <translation>not Win11</translation>
    </message>
    <message>
        <source>识别引擎信息:</source>
        <translation>Recognition engine:</translation>
    </message>
    <message>
        <source>    操作系统: </source>
        <translation>    Operating system: </translation>
    </message>
    <message>
        <source>功能中心</source>
        <translation>Function Center</translation>
    </message>
    <message>
        <source>选择以下你常用的功能后，按下 </source>
        <translation>Choose a function you often use below, then press the </translation>
    </message>
    <message>
        <source>键，启动该功能</source>
        <translation>key to start it</translation>
    </message>
    <message>
        <source>M键常用设置</source>
        <translation>M Key Common Functions</translation>
    </message>
    <message>
        <source>自定义设置常用功能，双击  </source>
        <translation>Set up your common functions; double-click the  </translation>
    </message>
    <message>
        <source>键，轮循功能切换</source>
        <translation>key to switch between them in turn</translation>
    </message>
    <message>
        <source>窗口切换</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>&lt;u&gt;设置&lt;/u&gt;</source>
        <translation>&lt;u&gt;Settings&lt;/u&gt;</translation>
    </message>
    <message>
        <source>快捷键设置成功</source>
        <translation>Shortcut set</translation>
    </message>
    <message>
        <source>电子档说明书</source>
        <translation>User Manual</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>接受器</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>App软件</source>
        <translation>App</translation>
    </message>
    <message>
        <source>云端服务</source>
        <translation>Cloud Service</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>亮绿色</source>
        <translation>Bright green</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>品红色</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>粉色</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>棕色</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source> 连接设备</source>
        <translation> Connect a device</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <source>请用 USB 插入一个支持的演示器或语音鼠标，或按下右上角的蓝牙按钮搜索附近的设备。</source>
        <translation>Plug a supported presenter or voice mouse in over USB, or press the Bluetooth button at the top right to search for devices nearby.</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>播报</source>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>正在检测已安装的应用…</source>
        <translation>Detecting installed apps…</translation>
    </message>
    <message>
        <source>自动检测关键词</source>
        <translation>Auto-detected keyword</translation>
    </message>
    <message>
        <source>指令词设置</source>
        <translation>Command words</translation>
    </message>
    <message>
        <source>设置指令词</source>
        <translation>Command word</translation>
    </message>
    <message>
        <source>选择搜索引擎</source>
        <translation>Search engine</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>第一步：在输入框中输入指令词（网址、文件或文件夹的关键词) </source>
        <translation>Step 1: type a command word (a keyword for the web address, file or folder) </translation>
    </message>
    <message>
        <source>第二步：选择文件类型，选择文件路径或输入网址 </source>
        <translation>Step 2: choose the type, then choose the path or type the web address </translation>
    </message>
    <message>
        <source>第三步：点击按钮“添加保存”已添加的记录可列表中删除</source>
        <translation>Step 3: click “Add” to save; added records can be deleted in the list</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;编辑&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;Edit&lt;/a&gt;</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>是否删除指令词!</source>
        <translation>Delete this command word?</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>选择文件或者程序</source>
        <translation>Choose a file or program</translation>
    </message>
    <message>
        <source>选择目录</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>邮件已经在发送中!</source>
        <translation>The mail is already being sent!</translation>
    </message>
    <message>
        <source>请填写用户名, 方便售后沟通!</source>
        <translation>Please enter a contact name so that support can reach you!</translation>
    </message>
    <message>
        <source>请填写反馈的意见</source>
        <translation>Please enter your feedback</translation>
    </message>
    <message>
        <source>无日志生成, 请确定后上传!</source>
        <translation>No logs have been written yet. Please check and upload later!</translation>
    </message>
    <message>
        <source>选择保存的文件</source>
        <translation>Choose the file to save</translation>
    </message>
    <message>
        <source>选择导入的文件</source>
        <translation>Choose the file to import</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>页面不存在: %1</source>
        <translation>Page not found: %1</translation>
    </message>
    <message>
        <source>无法显示网页: 缺少网页组件</source>
        <translation>Cannot show web pages: the web component is missing</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Hot word</translation>
    </message>
    <message>
        <source>登录后代表您已同意%1和%2</source>
        <comment>register</comment>
        <translation>By registering you accept the %1 and the %2</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Command word</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>TranslationDialog</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>播报</source>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>译文</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>文本大小</source>
        <translation>Text size</translation>
    </message>
</context>
<context>
    <name>TypingTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;打字设置&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;按住&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-mic.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;语音键&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;开始说话（ 注：不同设备可能提示不一样）&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Typing Settings&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Hold &lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-mic.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;Voice key&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt; and start speaking (note: prompts may differ between devices)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>Personalization</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;翻译语音打字&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;按住&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;翻译键 &lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;说话，母语会翻译成设置好的语言，实现文字录入&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Translation Voice Typing&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Hold &lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;Translate key&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt; and speak; your native language is translated into the chosen language and typed&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>My native language</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>Translate into</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>软件更新</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>New version found</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>立即升级</source>
        <translation>Upgrade Now</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>隐藏下载页面</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>停止更新</source>
        <translation>Stop Update</translation>
    </message>
</context>
<context>
    <name>VoiceSearchTab</name>
    <message>
        <source>语音搜索设置</source>
        <translation>Voice search settings</translation>
    </message>
    <message>
        <source>指令词设置</source>
        <translation>Command words</translation>
    </message>
    <message>
        <source>设置指令词</source>
        <translation>Command word</translation>
    </message>
    <message>
        <source>首先，请输入关键指令词</source>
        <translation>First, type a command word</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Please choose</translation>
    </message>
    <message>
        <source>其次，请选择文件，或者输入网址</source>
        <translation>Then choose a file, or type a web address</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>VoiceTab</name>
    <message>
        <source>智能录音设置</source>
        <translation>Smart recording settings</translation>
    </message>
</context>
<context>
    <name>WebWithTitleTab</name>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
</context>
</TS>
