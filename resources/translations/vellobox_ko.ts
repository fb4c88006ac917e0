<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutTab</name>
    <message>
        <source>关于我们</source>
        <translation>회사 소개</translation>
    </message>
    <message>
        <source>了解更多</source>
        <translation>자세히 보기</translation>
    </message>
</context>
<context>
    <name>AiSubtitleTab</name>
    <message>
        <source>演讲设置</source>
        <translation>발표 설정</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성으로 앱 실행&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;원클릭 적응 후 감지된 앱의 이름을 말하면 앱이 실행됩니다&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>一键适应</source>
        <translation>원클릭 적응</translation>
    </message>
</context>
<context>
    <name>FeedbackDialog</name>
    <message>
        <source>意见反馈</source>
        <translation>의견 보내기</translation>
    </message>
    <message>
        <source>*联系人</source>
        <translation>*연락처 이름</translation>
    </message>
    <message>
        <source>联系手机</source>
        <translation>휴대폰 번호</translation>
    </message>
    <message>
        <source>*反馈内容</source>
        <translation>*의견 내용</translation>
    </message>
    <message>
        <source>允许上传设备的使用日志</source>
        <translation>기기 사용 로그 업로드 허용</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>提交</source>
        <translation>제출</translation>
    </message>
</context>
<context>
    <name>GuideTab</name>
    <message>
        <source>使用指南</source>
        <translation>사용 안내</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>기술 지원</translation>
    </message>
    <message>
        <source>如果您在使用过程中遇到任何问题，都可以通过二维码咨询我们客服，竭诚为您服务。</source>
        <translation>사용 중 문제가 생기면 QR 코드로 고객센터에 문의해 주세요. 성심껏 도와드리겠습니다.</translation>
    </message>
    <message>
        <source>上传日志</source>
        <translation>로그 업로드</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;나만의 용어&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;자주 쓰는 핫워드를 한 줄에 하나씩 입력하세요&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>确认添加</source>
        <translation>추가</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;나만의 용어 목록&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>中文(普通话)</source>
        <translation>중국어(표준어)</translation>
    </message>
    <message>
        <source>中文(粤语)</source>
        <translation>중국어(광둥어)</translation>
    </message>
    <message>
        <source>中文(四川话)</source>
        <translation>중국어(쓰촨어)</translation>
    </message>
    <message>
        <source>中文(河南话)</source>
        <translation>중국어(허난어)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>越南语</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>印地语</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>马来语</source>
        <translation>말레이어</translation>
    </message>
    <message>
        <source>印尼语</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>土耳其语</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>荷兰语</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>波兰语</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>捷克语</source>
        <translation>체코어</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>광둥어</translation>
    </message>
    <message>
        <source>文言文</source>
        <translation>고전 중국어</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>瑞典语</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>丹麦语</source>
        <translation>덴마크어</translation>
    </message>
    <message>
        <source>芬兰语</source>
        <translation>핀란드어</translation>
    </message>
    <message>
        <source>匈牙利语</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <source>罗马尼亚语</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <source>中英文混合</source>
        <translation>중국어·영어 혼합</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>密码登录</source>
        <translation>비밀번호 로그인</translation>
    </message>
    <message>
        <source>请输入手机号或者邮箱</source>
        <translation>휴대폰 번호 또는 이메일을 입력하세요</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>인증 코드 로그인</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>인증 코드를 입력하세요</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>코드 받기</translation>
    </message>
    <message>
        <source>&lt;a style=&apos; text-decoration: none&apos;&gt;注册&lt;/a&gt;</source>
        <translation>&lt;a style=&apos; text-decoration: none&apos;&gt;회원가입&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos; text-decoration: none&apos;&gt;忘记密码?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos; text-decoration: none&apos;&gt;비밀번호를 잊으셨나요?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>或者</source>
        <translation>또는</translation>
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
        <translation>에어 마우스 설정</translation>
    </message>
    <message>
        <source>常用功能

自定义设置常用功能，双击「 飞鼠键 」轮循切换

</source>
        <translation>자주 쓰는 기능

자주 쓰는 기능을 직접 고르세요. 「에어 마우스 키」를 두 번 누르면 차례로 전환됩니다

</translation>
    </message>
    <message>
        <source>飞鼠设置

长按「飞鼠键 」使用以下选择的功能

</source>
        <translation>에어 마우스 설정

「에어 마우스 키」를 길게 누르면 아래에서 선택한 기능을 사용합니다

</translation>
    </message>
</context>
<context>
    <name>MirelMouseHelpTab</name>
    <message>
        <source>使用帮助</source>
        <translation>도움말</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 입력&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;음성 입력에 사용할 언어를 설정합니다&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>개인 설정</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;단어 선택 번역&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;텍스트를 선택한 뒤 나타나는 번역 아이콘을 클릭하세요 &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>번역 언어</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 번역&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;음성 번역에 사용할 언어를 설정합니다&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 입력 모드&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;음성 키를 누르면/놓으면 음성 입력 시작/종료, 두 번 클릭하면 모드 전환&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>模式一 语音输入</source>
        <translation>모드 1 음성 입력</translation>
    </message>
    <message>
        <source>模式二 语音翻译</source>
        <translation>모드 2 음성 번역</translation>
    </message>
    <message>
        <source>模式三 语音助手</source>
        <translation>모드 3 음성 도우미</translation>
    </message>
</context>
<context>
    <name>MouseInfoTab</name>
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>设备状态</source>
        <translation>장치 상태</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>마이크</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;선택 단어 번역&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#a6a6a6;&quot;&gt;텍스트를 선택한 뒤 &lt;/span&gt;&lt;span style=&quot; color:#ffaa00;&quot;&gt;나타나는 아이콘 &lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#a6a6a6;&quot;&gt;을 눌러 번역하세요&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>화면 캡처 번역</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>사용자 지정 단축키</translation>
    </message>
    <message>
        <source>翻译文本设置</source>
        <translation>번역 텍스트 설정</translation>
    </message>
    <message>
        <source>划词翻译（启动/关闭）</source>
        <translation>선택 단어 번역 (켜기/끄기)</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>快捷键设置成功</source>
        <translation>단축키가 설정되었습니다</translation>
    </message>
</context>
<context>
    <name>NavForm</name>
    <message>
        <source>用户: 未登录</source>
        <translation>사용자: 로그인 안 됨</translation>
    </message>
    <message>
        <source>全球通版 2022-04-30</source>
        <translation>글로벌 버전 2022-04-30</translation>
    </message>
    <message>
        <source>续费</source>
        <translation>갱신</translation>
    </message>
</context>
<context>
    <name>QRCodeTab</name>
    <message>
        <source>二维码已经过期</source>
        <translation>QR 코드가 만료되었습니다</translation>
    </message>
    <message>
        <source>重新生成</source>
        <translation>다시 생성</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>RecordTab</name>
    <message>
        <source>设备信息</source>
        <translation>장치 정보</translation>
    </message>
    <message>
        <source>SN序列号</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>录音记录</source>
        <translation>녹음 기록</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;删除选中记录&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;선택 항목 삭제&lt;/a&gt;</translation>
    </message>
    <message>
        <source>保存路径</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>默认保存路径</source>
        <translation>기본 저장 폴더</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>前往</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>RegisterDialog</name>
    <message>
        <source>请输入手机号或者邮箱</source>
        <translation>휴대폰 번호 또는 이메일을 입력하세요</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>인증 코드를 입력하세요</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>코드 받기</translation>
    </message>
    <message>
        <source>请输入您的密码</source>
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>请再次输入您的密码</source>
        <translation>비밀번호를 다시 입력하세요</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>회원가입</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>或者</source>
        <translation>또는</translation>
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
        <translation>캡처 종료 (Esc)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>识别并翻译 (Enter)</source>
        <translation>인식 후 번역 (Enter)</translation>
    </message>
    <message>
        <source>翻译</source>
        <translation>번역</translation>
    </message>
</context>
<context>
    <name>SoftwareSettingTab</name>
    <message>
        <source>软件设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>시스템 설정</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>当前版本</source>
        <translation>현재 버전</translation>
    </message>
    <message>
        <source>软件</source>
        <translation>소프트웨어</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>업데이트 확인</translation>
    </message>
</context>
<context>
    <name>TMouse</name>
    <message>
        <source>语音鼠标</source>
        <translation>음성 마우스</translation>
    </message>
    <message>
        <source>AI语音鼠标</source>
        <translation>AI 음성 마우스</translation>
    </message>
</context>
<context>
    <name>TMsg</name>
    <message>
        <source>AIUI语音识别未配置</source>
        <translation>AIUI 음성 인식이 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>语音识别服务连接失败：%1</source>
        <translation>음성 인식 서비스에 연결하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>语音识别服务断开了连接</source>
        <translation>음성 인식 서비스 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>中转服务语音识别</source>
        <translation>중계 서비스 음성 인식</translation>
    </message>
    <message>
        <source>语音中转服务未配置</source>
        <translation>음성 중계 서비스가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>讯飞语音听写</source>
        <translation>iFlytek 음성 받아쓰기</translation>
    </message>
    <message>
        <source>讯飞语音听写未配置</source>
        <translation>iFlytek 음성 받아쓰기가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>请求失败 (%1)</source>
        <translation>요청 실패 (%1)</translation>
    </message>
    <message>
        <source>验证码短信已发出!</source>
        <translation>인증 코드 문자를 보냈습니다!</translation>
    </message>
    <message>
        <source>验证码邮件已发出!</source>
        <translation>인증 코드 메일을 보냈습니다!</translation>
    </message>
    <message>
        <source>登录失败:</source>
        <translation>로그인 실패:</translation>
    </message>
    <message>
        <source>服务器返回的用户信息无效</source>
        <translation>서버가 잘못된 사용자 정보를 반환했습니다</translation>
    </message>
    <message>
        <source>登录成功!</source>
        <translation>로그인되었습니다!</translation>
    </message>
    <message>
        <source>注册失败:</source>
        <translation>가입 실패:</translation>
    </message>
    <message>
        <source>注册成功!</source>
        <translation>가입되었습니다!</translation>
    </message>
    <message>
        <source>密码重置成功!</source>
        <translation>비밀번호가 재설정되었습니다!</translation>
    </message>
    <message>
        <source>密码重置失败:</source>
        <translation>비밀번호 재설정 실패:</translation>
    </message>
    <message>
        <source>没有可用的麦克风</source>
        <translation>사용할 수 있는 마이크가 없습니다</translation>
    </message>
    <message>
        <source>麦克风无法打开</source>
        <translation>마이크를 열 수 없습니다</translation>
    </message>
    <message>
        <source>无法读取文件: %1</source>
        <translation>파일을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>服务器地址未配置 (%1)</source>
        <translation>서버 주소가 설정되지 않았습니다 (%1)</translation>
    </message>
    <message>
        <source>服务器地址无效: %1</source>
        <translation>잘못된 서버 주소: %1</translation>
    </message>
    <message>
        <source>请求超时, 服务器在%1秒内没有响应</source>
        <translation>요청 시간 초과: 서버가 %1초 안에 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>网络连接失败: %1</source>
        <translation>네트워크 연결 실패: %1</translation>
    </message>
    <message>
        <source>服务器错误 (HTTP %1)</source>
        <translation>서버 오류 (HTTP %1)</translation>
    </message>
    <message>
        <source>服务器返回的数据无效</source>
        <translation>서버가 잘못된 데이터를 반환했습니다</translation>
    </message>
    <message>
        <source>连接邮件服务器失败!</source>
        <translation>메일 서버에 연결하지 못했습니다!</translation>
    </message>
    <message>
        <source>邮件服务器验证失败!</source>
        <translation>메일 서버 인증에 실패했습니다!</translation>
    </message>
    <message>
        <source>邮件发送失败!</source>
        <translation>메일을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>邮件发送成功!</source>
        <translation>메일을 보냈습니다!</translation>
    </message>
    <message>
        <source>服务器返回的数据过大, 已中止</source>
        <translation>서버가 너무 많은 데이터를 보내 요청을 중단했습니다</translation>
    </message>
    <message>
        <source>服务器将请求转到其他地址, 已拒绝: %1</source>
        <translation>서버가 요청을 다른 주소로 돌렸으며 거부되었습니다: %1</translation>
    </message>
    <message>
        <source>无法使用声音: 缺少音频组件</source>
        <translation>소리를 사용할 수 없습니다: 오디오 구성 요소가 없습니다</translation>
    </message>
    <message>
        <source>邮件账号未配置 (%1)</source>
        <translation>메일 계정이 설정되지 않았습니다 (%1)</translation>
    </message>
</context>
<context>
    <name>TNotify</name>
    <message>
        <source>程序已经在运行中!</source>
        <translation>프로그램이 이미 실행 중입니다!</translation>
    </message>
    <message>
        <source>创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!</source>
        <translation>파일을 만들거나 쓰지 못했습니다. 파일 권한을 변경하거나 프로그램을 시스템 드라이브가 아닌 곳에 설치하세요!</translation>
    </message>
    <message>
        <source>导入数据的实际类型为%1, 和预期类型%2不匹配</source>
        <translation>가져온 데이터의 형식 %1이(가) 예상 형식 %2과(와) 일치하지 않습니다</translation>
    </message>
    <message>
        <source>没有可切换的常用功能, 请先在M键设置中选择常用功能!</source>
        <translation>전환할 자주 쓰는 기능이 없습니다. 먼저 M키 설정에서 자주 쓰는 기능을 선택하세요!</translation>
    </message>
    <message>
        <source>翻译语言不支持%1,设置会导致翻译无法生效!</source>
        <translation>번역에서 %1을(를) 지원하지 않아 이 설정으로는 번역이 작동하지 않습니다!</translation>
    </message>
    <message>
        <source>无法创建录音文件夹：%1</source>
        <translation>녹음 폴더를 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>当前功能：%1</source>
        <translation>현재 기능: %1</translation>
    </message>
    <message>
        <source>未设置自定义快捷键</source>
        <translation>사용자 지정 단축키가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>搜索引擎地址无效</source>
        <translation>검색 엔진 주소가 잘못되었습니다</translation>
    </message>
    <message>
        <source>未设置网页地址</source>
        <translation>웹 주소가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>无法打开网页：%1</source>
        <translation>웹 페이지를 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>请输入手机号或者邮箱号</source>
        <translation>휴대폰 번호 또는 이메일 주소를 입력하세요</translation>
    </message>
    <message>
        <source>账号，密码或验证码无效!</source>
        <translation>계정, 비밀번호 또는 인증 코드가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>请输入有效的手机号或者邮箱</source>
        <translation>올바른 휴대폰 번호 또는 이메일 주소를 입력하세요</translation>
    </message>
    <message>
        <source>没有找到蓝牙适配器, 无法搜索蓝牙设备!</source>
        <translation>블루투스 어댑터를 찾을 수 없어 블루투스 기기를 검색할 수 없습니다!</translation>
    </message>
    <message>
        <source>正在搜索蓝牙设备...</source>
        <translation>블루투스 기기를 검색하는 중...</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>번역 실패: %1</translation>
    </message>
    <message>
        <source>百度翻译未配置</source>
        <translation>Baidu 번역이 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>没有要翻译的文本</source>
        <translation>번역할 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>翻译结果为空</source>
        <translation>번역 결과가 비어 있습니다</translation>
    </message>
    <message>
        <source>语音合成服务未配置</source>
        <translation>음성 합성 서비스가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>没有播报的文本</source>
        <translation>읽어 줄 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>语音合成结果为空</source>
        <translation>음성 합성 결과가 비어 있습니다</translation>
    </message>
    <message>
        <source>没有可用的扬声器</source>
        <translation>사용할 수 있는 스피커가 없습니다</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>재생 실패</translation>
    </message>
    <message>
        <source>快捷键需要包含 Ctrl、Alt 或 Win 键</source>
        <translation>단축키에는 Ctrl, Alt 또는 Win 키가 포함되어야 합니다</translation>
    </message>
    <message>
        <source>截屏失败</source>
        <translation>화면 캡처 실패</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>복사되었습니다</translation>
    </message>
    <message>
        <source>已有下载任务</source>
        <translation>이미 다운로드가 진행 중입니다</translation>
    </message>
    <message>
        <source>检查更新失败: %1</source>
        <translation>업데이트 확인 실패: %1</translation>
    </message>
    <message>
        <source>当前版本已经是最新的，不需要更新</source>
        <translation>이미 최신 버전입니다</translation>
    </message>
    <message>
        <source>下载地址为空!</source>
        <translation>다운로드 주소가 비어 있습니다!</translation>
    </message>
    <message>
        <source>下载已终止</source>
        <translation>다운로드가 중단되었습니다</translation>
    </message>
    <message>
        <source>是否要退出登录?</source>
        <translation>로그아웃하시겠습니까?</translation>
    </message>
    <message>
        <source>发现新版本%1</source>
        <translation>새 버전 발견: %1</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;版本有重大更新,&lt;br&gt; 不更新的情况下无法使用!&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;중요한 업데이트입니다.&lt;br&gt; 업데이트하지 않으면 사용할 수 없습니다!&lt;/font&gt;</translation>
    </message>
    <message>
        <source>最新版本有重大升级, 无法忽略, 请更新最新版本</source>
        <translation>최신 버전은 중요한 업그레이드라 무시할 수 없습니다. 업데이트해 주세요.</translation>
    </message>
    <message>
        <source>最新版本有重大升级, 更新之前无法使用, 请更新最新版本</source>
        <translation>최신 버전은 중요한 업그레이드라 설치하기 전에는 사용할 수 없습니다. 업데이트해 주세요.</translation>
    </message>
    <message>
        <source>开机启动设置失败!</source>
        <translation>자동 시작 설정을 변경하지 못했습니다!</translation>
    </message>
    <message>
        <source>界面语言保存失败!</source>
        <translation>인터페이스 언어를 저장하지 못했습니다!</translation>
    </message>
    <message>
        <source>请同意用户协议和隐私协议!</source>
        <translation>이용약관과 개인정보 처리방침에 동의해 주세요!</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>로그인되었습니다</translation>
    </message>
    <message>
        <source>用户名不能为空!</source>
        <translation>계정을 입력하세요!</translation>
    </message>
    <message>
        <source>密码不能为空!</source>
        <translation>비밀번호를 입력하세요!</translation>
    </message>
    <message>
        <source>两次密码不一致, 请确认后再次输入!</source>
        <translation>두 비밀번호가 일치하지 않습니다. 다시 입력하세요!</translation>
    </message>
    <message>
        <source>注册成功</source>
        <translation>가입되었습니다</translation>
    </message>
    <message>
        <source>重置成功, 返回登录页面登录!</source>
        <translation>비밀번호가 재설정되었습니다. 다시 로그인하세요!</translation>
    </message>
    <message>
        <source>分享码有效期更新失败!</source>
        <translation>공유 링크를 갱신하지 못했습니다!</translation>
    </message>
    <message>
        <source>获取录音记录失败: %1</source>
        <translation>녹음 기록을 불러오지 못했습니다: %1</translation>
    </message>
    <message>
        <source>本地文件和云端都没有没有找到音频!</source>
        <translation>로컬과 클라우드 어디에서도 오디오를 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>获取二维码失败!</source>
        <translation>QR 코드를 가져오지 못했습니다!</translation>
    </message>
    <message>
        <source>删除成功! </source>
        <translation>삭제되었습니다! </translation>
    </message>
    <message>
        <source>删除失败: %1</source>
        <translation>삭제 실패: %1</translation>
    </message>
    <message>
        <source>删除成功!</source>
        <translation>삭제되었습니다!</translation>
    </message>
    <message>
        <source>设备设置无法保存: %1</source>
        <translation>장치 설정을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>下载地址无效</source>
        <translation>잘못된 다운로드 주소</translation>
    </message>
    <message>
        <source>文件过大</source>
        <translation>파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>无法发送按键 %1</source>
        <translation>키 %1을(를) 보낼 수 없습니다</translation>
    </message>
    <message>
        <source>语音识别失败</source>
        <translation>음성 인식에 실패했습니다</translation>
    </message>
    <message>
        <source>这个按键不能用作快捷键</source>
        <translation>이 키는 단축키로 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>开启划词翻译</source>
        <translation>선택 단어 번역 켜기</translation>
    </message>
    <message>
        <source>关闭划词翻译</source>
        <translation>선택 단어 번역 끄기</translation>
    </message>
    <message>
        <source>当前翻译语言不支持播报</source>
        <translation>현재 번역 언어는 읽어 주기를 지원하지 않습니다</translation>
    </message>
    <message>
        <source>没有可识别的图像</source>
        <translation>인식할 이미지가 없습니다</translation>
    </message>
    <message>
        <source>不支持的识别语言：%1</source>
        <translation>지원되지 않는 인식 언어: %1</translation>
    </message>
    <message>
        <source>缺少文字识别的语言数据：%1</source>
        <translation>문자 인식 언어 데이터가 없습니다: %1</translation>
    </message>
    <message>
        <source>文字识别无法启动：%1</source>
        <translation>문자 인식을 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>请填写指令词</source>
        <translation>명령어를 입력하세요</translation>
    </message>
    <message>
        <source>内容为空，请选择文件，文件夹，或者填写网页</source>
        <translation>내용이 비어 있습니다. 파일이나 폴더를 선택하거나 웹 주소를 입력하세요</translation>
    </message>
    <message>
        <source>指令词重复, 请换一个指令词</source>
        <translation>이미 있는 명령어입니다. 다른 명령어를 입력하세요</translation>
    </message>
    <message>
        <source>请在文本框中填入热词，一行一条热词，按回车换行!</source>
        <translation>텍스트 상자에 핫워드를 한 줄에 하나씩 입력하세요(Enter로 줄 바꿈)!</translation>
    </message>
    <message>
        <source>没有选中数据!!</source>
        <translation>선택된 항목이 없습니다!</translation>
    </message>
    <message>
        <source>无热词数据!</source>
        <translation>핫워드가 없습니다!</translation>
    </message>
    <message>
        <source>导出成功!!</source>
        <translation>내보내기 완료!</translation>
    </message>
    <message>
        <source>导出失败!!</source>
        <translation>내보내기 실패!</translation>
    </message>
    <message>
        <source>导入文件无效或不含热词, 没有导入任何热词!</source>
        <translation>파일이 잘못되었거나 핫워드가 없어 아무것도 가져오지 않았습니다!</translation>
    </message>
    <message>
        <source>无法连接翻译服务</source>
        <translation>번역 서비스에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>无法确认程序只运行一份, 程序无法启动: %1</source>
        <translation>프로그램이 하나만 실행되는지 확인할 수 없어 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>该指令词已不存在, 修改未保存</source>
        <translation>이 명령어는 더 이상 없습니다. 변경 내용이 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>磁盘已满，录音无法继续保存，已录下的部分会保留</source>
        <translation>디스크가 가득 차서 녹음을 더 저장할 수 없습니다. 지금까지 녹음된 부분은 보관됩니다</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1 (%2), 无法在其中确认程序只运行一份, 程序无法启动。</source>
        <translation>폴더 %1을(를) 만들 수 없습니다(%2). 프로그램이 하나만 실행되는지 확인할 수 없어 프로그램을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>指令词只有标点符号或空格, 语音搜索无法匹配, 请加入文字或数字</source>
        <translation>문장 부호나 공백만으로 된 명령어는 음성 검색에서 찾을 수 없습니다. 문자나 숫자를 넣어 주세요</translation>
    </message>
    <message>
        <source>无法写入录音文件：%1</source>
        <translation>녹음 파일을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>录音文件写入失败（%1），录音无法继续保存，已录下的部分会保留</source>
        <translation>녹음 파일을 쓰지 못했습니다(%1). 더 이상 녹음을 저장할 수 없으며, 지금까지 녹음된 부분은 보관됩니다</translation>
    </message>
    <message>
        <source>录音保存失败：%1</source>
        <translation>녹음을 저장하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>TPointer</name>
    <message>
        <source>翻页笔</source>
        <translation>프레젠터</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>디지털 레이저</translation>
    </message>
</context>
<context>
    <name>TUI</name>
    <message>
        <source>软件设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>기술 지원</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>의견 보내기</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>회사 소개</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>共%1条</source>
        <translation>총 %1건</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>기기 없음</translation>
    </message>
    <message>
        <source> 设备信息</source>
        <translation> 기기 정보</translation>
    </message>
    <message>
        <source> 语音打字</source>
        <translation> 음성 입력</translation>
    </message>
    <message>
        <source> 语音搜索</source>
        <translation> 음성 검색</translation>
    </message>
    <message>
        <source> 文本翻译</source>
        <translation> 텍스트 번역</translation>
    </message>
    <message>
        <source> M键设置</source>
        <translation> M키 설정</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>내 모국어</translation>
    </message>
    <message>
        <source>输出模式</source>
        <translation>출력 모드</translation>
    </message>
    <message>
        <source>兼容模式</source>
        <translation>호환 모드</translation>
    </message>
    <message>
        <source>动态模式</source>
        <translation>동적 모드</translation>
    </message>
    <message>
        <source>浮框模式</source>
        <translation>플로팅 창 모드</translation>
    </message>
    <message>
        <source>智能标点</source>
        <translation>스마트 문장 부호</translation>
    </message>
    <message>
        <source>智能标点描述</source>
        <translation>말하는 동안 문장 부호를 자동으로 넣습니다</translation>
    </message>
    <message>
        <source> AI智适应</source>
        <translation> AI 스마트 적응</translation>
    </message>
    <message>
        <source> 语言设置</source>
        <translation> 언어 설정</translation>
    </message>
    <message>
        <source> 热词搜索</source>
        <translation> 핫워드</translation>
    </message>
    <message>
        <source> 自定义指令</source>
        <translation> 사용자 지정 명령</translation>
    </message>
    <message>
        <source> 使用帮助</source>
        <translation> 도움말</translation>
    </message>
    <message>
        <source> 智能录音</source>
        <translation> 스마트 녹음</translation>
    </message>
    <message>
        <source> 演讲字幕</source>
        <translation> 실시간 자막</translation>
    </message>
    <message>
        <source> 飞鼠设置</source>
        <translation> 에어 마우스 설정</translation>
    </message>
    <message>
        <source> 录音记录</source>
        <translation> 녹음 기록</translation>
    </message>
    <message>
        <source>飞鼠</source>
        <translation>에어 마우스</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>디지털 레이저</translation>
    </message>
    <message>
        <source>调整大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>小</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>中</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>大</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>放大区域</source>
        <translation>확대 영역</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>확대 배율</translation>
    </message>
    <message>
        <source>光标</source>
        <translation>커서</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>翻译打字</source>
        <translation>번역 입력</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>화면 캡처 번역</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>백스페이스</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>사용자 지정 단축키</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>음성 검색</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Baidu 검색</translation>
    </message>
    <message>
        <source>切换窗口</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>웹 페이지 열기</translation>
    </message>
    <message>
        <source>程序/文件</source>
        <translation>프로그램/파일</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>网址</source>
        <translation>웹 주소</translation>
    </message>
    <message>
        <source>语音搜索: %1</source>
        <translation>음성 검색: %1</translation>
    </message>
    <message>
        <source>请说话</source>
        <translation>말씀하세요</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1시간</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1분</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>请按下快捷键</source>
        <translation>단축키를 누르세요</translation>
    </message>
    <message>
        <source>拖动鼠标选择要翻译的区域，Esc 退出</source>
        <translation>드래그하여 번역할 영역을 선택하세요. Esc로 종료</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>다운로드 실패: %1</translation>
    </message>
    <message>
        <source>服务器长时间没有响应</source>
        <translation>서버가 오랫동안 응답하지 않습니다</translation>
    </message>
    <message>
        <source>文件大小不符 (%1 / %2 字节)</source>
        <translation>파일 크기가 일치하지 않습니다 (%1 / %2바이트)</translation>
    </message>
    <message>
        <source>无法保存文件 %1</source>
        <translation>파일 %1을(를) 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>&amp;打开</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;退出</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;扫描蓝牙设备</source>
        <translation>블루투스 기기 검색(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;检查更新</source>
        <translation>업데이트 확인(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;显示更新进度</source>
        <translation>업데이트 진행 상황 보기(&amp;P)</translation>
    </message>
    <message>
        <source>%1设备接入! </source>
        <translation>%1 연결됨! </translation>
    </message>
    <message>
        <source>设备拔出或无法连接! </source>
        <translation>기기가 분리되었거나 연결할 수 없습니다! </translation>
    </message>
    <message>
        <source>用户: 未登录</source>
        <translation>사용자: 로그인 안 됨</translation>
    </message>
    <message>
        <source>用户: %1</source>
        <translation>사용자: %1</translation>
    </message>
    <message>
        <source>请登录</source>
        <translation>로그인하세요</translation>
    </message>
    <message>
        <source>机器标识: %1</source>
        <translation>기기 식별자: %1</translation>
    </message>
    <message>
        <source>提交中...</source>
        <translation>제출 중...</translation>
    </message>
    <message>
        <source>提交</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>以下文件超出附件数量或大小限制, 未附上: %1</source>
        <translation>다음 파일은 첨부 개수 또는 크기 제한을 넘어 첨부하지 않았습니다: %1</translation>
    </message>
    <message>
        <source>维罗盒子智能科技有限公司</source>
        <translation>Vellobox 인텔리전트 테크놀로지 주식회사</translation>
    </message>
    <message>
        <source>了解更多</source>
        <translation>자세히 보기</translation>
    </message>
    <message>
        <source>上传中...</source>
        <translation>업로드 중...</translation>
    </message>
    <message>
        <source>日志上传成功</source>
        <translation>로그를 업로드했습니다</translation>
    </message>
    <message>
        <source>上传日志</source>
        <translation>로그 업로드</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>시작 시 자동 실행</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>修改生效需要重启程序，是否重启?</source>
        <translation>변경 사항을 적용하려면 프로그램을 다시 시작해야 합니다. 지금 다시 시작할까요?</translation>
    </message>
    <message>
        <source>《用户协议》</source>
        <translation>이용약관</translation>
    </message>
    <message>
        <source>《隐私政策》</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>비밀번호 재설정</translation>
    </message>
    <message>
        <source>登录后代表您已同意%1和%2</source>
        <translation>로그인하면 %1 및 %2에 동의하게 됩니다</translation>
    </message>
    <message>
        <source>演讲设置</source>
        <translation>발표 설정</translation>
    </message>
    <message>
        <source>短按：开始/结束 录音    长按：连接录音</source>
        <translation>짧게 누르기: 녹음 시작/종료    길게 누르기: 누르는 동안 녹음</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>인식 언어</translation>
    </message>
    <message>
        <source>翻译语言</source>
        <translation>번역 언어</translation>
    </message>
    <message>
        <source>字幕关闭</source>
        <translation>자막 끄기</translation>
    </message>
    <message>
        <source>翻译关闭</source>
        <translation>번역 끄기</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>글꼴 색상</translation>
    </message>
    <message>
        <source>翻译字体颜色</source>
        <translation>번역 글꼴 색상</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>배경 색상</translation>
    </message>
    <message>
        <source>预览效果!</source>
        <translation>미리 보기!</translation>
    </message>
    <message>
        <source>提示:</source>
        <translation>팁:</translation>
    </message>
    <message>
        <source>「录音键」长按持续录音，松手结束；短按开始录音，再按停止</source>
        <translation>녹음 키를 누르고 있으면 손을 뗄 때까지 녹음하고, 짧게 누르면 녹음을 시작하며 다시 누르면 멈춥니다</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;播放&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;재생&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;分享&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;공유&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;删除&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: red; text-decoration: none&apos;&gt;삭제&lt;/a&gt;</translation>
    </message>
    <message>
        <source>是否删除记录!</source>
        <translation>선택한 녹음을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>默认路径</source>
        <translation>기본 폴더</translation>
    </message>
    <message>
        <source>录音时间</source>
        <translation>녹음 시간</translation>
    </message>
    <message>
        <source>时长</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>开始测试</source>
        <translation>테스트 시작</translation>
    </message>
    <message>
        <source>测试麦克风</source>
        <translation>마이크 테스트</translation>
    </message>
    <message>
        <source>点击&quot;开始测试&quot;,并以正常音量说话至少几秒钟，然后点击&quot;停止测试&quot;即可</source>
        <translation>&quot;테스트 시작&quot;을 클릭하고 보통 음량으로 몇 초 이상 말한 다음 &quot;테스트 중지&quot;를 클릭하세요.</translation>
    </message>
    <message>
        <source>声音来源</source>
        <translation>소리 입력</translation>
    </message>
    <message>
        <source>停止测试</source>
        <translation>테스트 중지</translation>
    </message>
    <message>
        <source>滚轮灵敏度</source>
        <translation>휠 감도</translation>
    </message>
    <message>
        <source>长按滚轮</source>
        <translation>휠 길게 누르기</translation>
    </message>
    <message>
        <source>长按滚轮弹出下载地址</source>
        <translation>휠을 길게 누르면 다운로드 주소가 표시됩니다</translation>
    </message>
    <message>
        <source>非Win11</source>
        <translation>Win11 아님</translation>
    </message>
    <message>
        <source>识别引擎信息:</source>
        <translation>인식 엔진:</translation>
    </message>
    <message>
        <source>    操作系统: </source>
        <translation>    운영 체제: </translation>
    </message>
    <message>
        <source>功能中心</source>
        <translation>기능 센터</translation>
    </message>
    <message>
        <source>选择以下你常用的功能后，按下 </source>
        <translation>아래에서 자주 쓰는 기능을 선택한 후 </translation>
    </message>
    <message>
        <source>键，启动该功能</source>
        <translation>키를 눌러 실행하세요</translation>
    </message>
    <message>
        <source>M键常用设置</source>
        <translation>M 키 자주 쓰는 기능</translation>
    </message>
    <message>
        <source>自定义设置常用功能，双击  </source>
        <translation>자주 쓰는 기능을 설정하고  </translation>
    </message>
    <message>
        <source>键，轮循功能切换</source>
        <translation>키를 두 번 눌러 차례로 전환하세요</translation>
    </message>
    <message>
        <source>窗口切换</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>&lt;u&gt;设置&lt;/u&gt;</source>
        <translation>&lt;u&gt;설정&lt;/u&gt;</translation>
    </message>
    <message>
        <source>快捷键设置成功</source>
        <translation>단축키가 설정되었습니다</translation>
    </message>
    <message>
        <source>电子档说明书</source>
        <translation>사용 설명서</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>接受器</source>
        <translation>수신기</translation>
    </message>
    <message>
        <source>App软件</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>云端服务</source>
        <translation>클라우드 서비스</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>주황</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>亮绿色</source>
        <translation>밝은 초록</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>青色</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>보라</translation>
    </message>
    <message>
        <source>品红色</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>粉色</source>
        <translation>분홍</translation>
    </message>
    <message>
        <source>棕色</source>
        <translation>갈색</translation>
    </message>
    <message>
        <source> 连接设备</source>
        <translation> 장치 연결</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>연결된 장치가 없습니다</translation>
    </message>
    <message>
        <source>请用 USB 插入一个支持的演示器或语音鼠标，或按下右上角的蓝牙按钮搜索附近的设备。</source>
        <translation>지원되는 프레젠터나 음성 마우스를 USB로 연결하거나, 오른쪽 위의 블루투스 버튼을 눌러 주변 장치를 검색하세요.</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>播报</source>
        <translation>읽어 주기</translation>
    </message>
    <message>
        <source>正在检测已安装的应用…</source>
        <translation>설치된 앱을 감지하는 중…</translation>
    </message>
    <message>
        <source>自动检测关键词</source>
        <translation>자동 감지 키워드</translation>
    </message>
    <message>
        <source>指令词设置</source>
        <translation>명령어 설정</translation>
    </message>
    <message>
        <source>设置指令词</source>
        <translation>명령어</translation>
    </message>
    <message>
        <source>选择搜索引擎</source>
        <translation>검색 엔진 선택</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>바이두</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>구글</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>야후</translation>
    </message>
    <message>
        <source>第一步：在输入框中输入指令词（网址、文件或文件夹的关键词) </source>
        <translation>1단계: 입력란에 명령어(웹 주소, 파일 또는 폴더의 키워드)를 입력합니다 </translation>
    </message>
    <message>
        <source>第二步：选择文件类型，选择文件路径或输入网址 </source>
        <translation>2단계: 유형을 고른 뒤 경로를 선택하거나 웹 주소를 입력합니다 </translation>
    </message>
    <message>
        <source>第三步：点击按钮“添加保存”已添加的记录可列表中删除</source>
        <translation>3단계: “추가”를 눌러 저장합니다. 추가된 기록은 목록에서 삭제할 수 있습니다</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;编辑&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: green; text-decoration: none&apos;&gt;편집&lt;/a&gt;</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>是否删除指令词!</source>
        <translation>이 명령어를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>选择文件或者程序</source>
        <translation>파일 또는 프로그램 선택</translation>
    </message>
    <message>
        <source>选择目录</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>邮件已经在发送中!</source>
        <translation>메일을 이미 보내는 중입니다!</translation>
    </message>
    <message>
        <source>请填写用户名, 方便售后沟通!</source>
        <translation>지원팀이 연락할 수 있도록 연락처 이름을 입력해 주세요!</translation>
    </message>
    <message>
        <source>请填写反馈的意见</source>
        <translation>의견을 입력해 주세요</translation>
    </message>
    <message>
        <source>无日志生成, 请确定后上传!</source>
        <translation>생성된 로그가 없습니다. 확인 후 업로드해 주세요!</translation>
    </message>
    <message>
        <source>选择保存的文件</source>
        <translation>저장할 파일 선택</translation>
    </message>
    <message>
        <source>选择导入的文件</source>
        <translation>가져올 파일 선택</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>页面不存在: %1</source>
        <translation>페이지가 없습니다: %1</translation>
    </message>
    <message>
        <source>无法显示网页: 缺少网页组件</source>
        <translation>웹 페이지를 표시할 수 없습니다: 웹 구성 요소가 없습니다</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>핫워드</translation>
    </message>
    <message>
        <source>登录后代表您已同意%1和%2</source>
        <comment>register</comment>
        <translation>회원가입 시 %1 및 %2에 동의하게 됩니다</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>명령어</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>유형</translation>
    </message>
</context>
<context>
    <name>TranslationDialog</name>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>播报</source>
        <translation>읽어 주기</translation>
    </message>
    <message>
        <source>译文</source>
        <translation>번역문</translation>
    </message>
    <message>
        <source>文本大小</source>
        <translation>텍스트 크기</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;입력 설정&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-mic.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;음성 키&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;를 누른 채 말하세요 (참고: 기기마다 안내가 다를 수 있습니다)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>개인 설정</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 번역 입력&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;번역 키&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;를 누른 채 말하면 모국어가 설정한 언어로 번역되어 입력됩니다&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>내 모국어</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>번역할 언어</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>软件更新</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>새 버전 발견</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>내용</translation>
    </message>
    <message>
        <source>立即升级</source>
        <translation>지금 업그레이드</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>隐藏下载页面</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>停止更新</source>
        <translation>업데이트 중지</translation>
    </message>
</context>
<context>
    <name>VoiceSearchTab</name>
    <message>
        <source>语音搜索设置</source>
        <translation>음성 검색 설정</translation>
    </message>
    <message>
        <source>指令词设置</source>
        <translation>명령어 설정</translation>
    </message>
    <message>
        <source>设置指令词</source>
        <translation>명령어</translation>
    </message>
    <message>
        <source>首先，请输入关键指令词</source>
        <translation>먼저 명령어를 입력하세요</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>선택하세요</translation>
    </message>
    <message>
        <source>其次，请选择文件，或者输入网址</source>
        <translation>다음으로 파일을 선택하거나 웹 주소를 입력하세요</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>추가</translation>
    </message>
</context>
<context>
    <name>VoiceTab</name>
    <message>
        <source>智能录音设置</source>
        <translation>스마트 녹음 설정</translation>
    </message>
</context>
<context>
    <name>WebWithTitleTab</name>
    <message>
        <source>使用帮助</source>
        <translation>도움말</translation>
    </message>
</context>
</TS>
